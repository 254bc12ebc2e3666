#include "catalogue/BankNames.h"

#include <array>

namespace klarvon {

namespace {

using R = TBankRole;

// The stock game's banks by id: package, the game's name, a short name, the stock vehicles
// using it (P: as PlayerBank, D: as DummyBank) and its PCM bytes in the stock BankLkup.dat.
// A bank's role: what a stock vehicle uses it as, else what its name says (_P, _D); the
// general sounds (bullets, collisions, horns, doors...) and every bank after the general
// package are no vehicle sound.
// clang-format off
constexpr std::array<TBankName, StockBankCount> StockBanks{{
    {"FEET", "FEET_GENERIC", "Footsteps: generic", "", 90998, R::NotVehicle}, // 0
    {"FEET", "FEET_GRASS", "Footsteps: grass", "", 86324, R::NotVehicle}, // 1
    {"FEET", "FEET_GRAVEL", "Footsteps: gravel", "", 48974, R::NotVehicle}, // 2
    {"FEET", "FEET_METAL", "Footsteps: metal", "", 16118, R::NotVehicle}, // 3
    {"FEET", "FEET_SAND", "Footsteps: sand", "", 21896, R::NotVehicle}, // 4
    {"FEET", "FEET_TILE", "Footsteps: tile", "", 7410, R::NotVehicle}, // 5
    {"FEET", "FEET_WOOD", "Footsteps: wood", "", 48672, R::NotVehicle}, // 6
    {"GENRL", "GENRL_90S_D", "90s compact car engine, dummy bank", "D: BRAVURA, PREVION, SOLAIR, ZR350, MESA, NEBULA, CADRONA, PRIMO, MERIT, URANUS, ELEGY, EUROS", 48272, R::DummyEngine}, // 7
    {"GENRL", "GENRL_90S_P", "90s compact car engine, player bank", "P: BRAVURA, PREVION, SOLAIR, ZR350, MESA, NEBULA, CADRONA, PRIMO, MERIT, URANUS, ELEGY, EUROS", 214710, R::PlayerEngine}, // 8
    {"GENRL", "GENRL_AIPROP", "AI propeller plane (unused)", "", 97076, R::Vehicle}, // 9
    {"GENRL", "GENRL_AIRPORT_D", "Airport tug engine, dummy bank", "D: BAGGAGE, TUG", 27048, R::DummyEngine}, // 10
    {"GENRL", "GENRL_AIRPORT_P", "Airport tug engine, player bank", "P: BAGGAGE, TUG", 61400, R::PlayerEngine}, // 11
    {"GENRL", "GENRL_APACHE", "Large helicopter rotor (Apache)", "P: LEVIATHN, HUNTER, CARGOBOB, RAINDANC", 240632, R::PlayerEngine}, // 12
    {"GENRL", "GENRL_APACHE_D", "Apache helicopter, distant/AI", "", 120288, R::DummyEngine}, // 13
    {"GENRL", "GENRL_ATV_D", "Quad bike (ATV) engine, dummy bank", "", 43176, R::DummyEngine}, // 14
    {"GENRL", "GENRL_ATV_P", "Quad bike (ATV) engine, player bank", "", 187496, R::PlayerEngine}, // 15
    {"GENRL", "GENRL_BELAIR_D", "1950s Bel Air V8 engine, dummy bank", "D: GLENDALE, OCEANIC, BULLET, TORNADO, GLENSHIT", 46648, R::DummyEngine}, // 16
    {"GENRL", "GENRL_BELAIR_P", "1950s Bel Air V8 engine, player bank", "P: GLENDALE, OCEANIC, BULLET, TORNADO, GLENSHIT", 202594, R::PlayerEngine}, // 17
    {"GENRL", "GENRL_BICYCLE_D", "Bicycle, dummy bank", "D: BMX, BIKE, MTBIKE", 61712, R::DummyEngine}, // 18
    {"GENRL", "GENRL_BICYCLE_P", "Bicycle, player bank", "P: BMX, BIKE, MTBIKE", 85518, R::PlayerEngine}, // 19
    {"GENRL", "GENRL_BOAT_CRUISER_D", "Cruiser boat engine, dummy (unused)", "", 84896, R::DummyEngine}, // 20
    {"GENRL", "GENRL_BOAT_INBOARD_D", "Inboard boat engine", "D: PREDATOR, SQUALO, SPEEDER, REEFER, TROPIC, COASTG, DINGHY, MARQUIS, JETMAX, LAUNCH", 45976, R::DummyEngine}, // 21
    {"GENRL", "GENRL_BOAT_INBOARD_P", "Inboard boat engine, player (not played)", "P: PREDATOR, SQUALO, SPEEDER, REEFER, TROPIC, COASTG, DINGHY, MARQUIS, JETMAX, LAUNCH", 62046, R::PlayerEngine}, // 22
    {"GENRL", "GENRL_BOAT_SPEEDBOAT_D", "Speedboat engine, dummy (unused)", "", 49336, R::DummyEngine}, // 23
    {"GENRL", "GENRL_BOAT_V12_D", "V12 boat engine, dummy (unused)", "", 91616, R::DummyEngine}, // 24
    {"GENRL", "GENRL_BUICK_D", "Buick sedan engine, dummy bank", "D: CABBIE, FORTUNE, WILLARD, VINCENT, INTRUDER, SUNRISE, YOSEMITE, PICADOR", 45080, R::DummyEngine}, // 25
    {"GENRL", "GENRL_BUICK_P", "Buick sedan engine, player bank", "P: CABBIE, FORTUNE, WILLARD, VINCENT, INTRUDER, SUNRISE, YOSEMITE, PICADOR", 226312, R::PlayerEngine}, // 26
    {"GENRL", "GENRL_BULLET_HITS", "Bullet impacts (not an engine)", "", 383144, R::NotVehicle}, // 27
    {"GENRL", "GENRL_BULLET_PASS_1", "Bullet fly-by 1 (not an engine)", "", 65332, R::NotVehicle}, // 28
    {"GENRL", "GENRL_BULLET_PASS_2", "Bullet fly-by 2 (not an engine)", "", 61230, R::NotVehicle}, // 29
    {"GENRL", "GENRL_BULLET_PASS_3", "Bullet fly-by 3 (not an engine)", "", 73484, R::NotVehicle}, // 30
    {"GENRL", "GENRL_BULLET_PASS_4", "Bullet fly-by 4 (not an engine)", "", 74866, R::NotVehicle}, // 31
    {"GENRL", "GENRL_BUS_D", "Bus engine, dummy bank", "D: BUS, COACH, DFT30", 56728, R::DummyEngine}, // 32
    {"GENRL", "GENRL_BUS_P", "Bus engine, player bank", "P: BUS, COACH, DFT30", 245800, R::PlayerEngine}, // 33
    {"GENRL", "GENRL_CADILLAC_D", "Cadillac engine, dummy bank", "D: HERMES, REMINGTN, BROADWAY", 56392, R::DummyEngine}, // 34
    {"GENRL", "GENRL_CADILLAC_P", "Cadillac engine, player bank", "P: HERMES, REMINGTN, BROADWAY", 249980, R::PlayerEngine}, // 35
    {"GENRL", "GENRL_CHAINSAW_P", "Chainsaw (weapon)", "P: RCBANDIT", 123646, R::PlayerEngine}, // 36
    {"GENRL", "GENRL_COBRA_D", "Cobra V8 sports car engine, dummy bank", "D: BUFFALO, INFERNUS, HOTRING, HOTRINA, ALPHA", 28168, R::DummyEngine}, // 37
    {"GENRL", "GENRL_COBRA_P", "Cobra V8 sports car engine, player bank", "P: BUFFALO, INFERNUS, HOTRING, HOTRINA, ALPHA", 184434, R::PlayerEngine}, // 38
    {"GENRL", "GENRL_COLLISIONS", "Collisions and scrapes (not an engine)", "", 1214242, R::NotVehicle}, // 39
    {"GENRL", "GENRL_COPBIKE_D", "Police motorbike engine, dummy bank", "D: COPBIKE, WAYFARER", 52640, R::DummyEngine}, // 40
    {"GENRL", "GENRL_COPBIKE_P", "Police motorbike engine, player bank", "P: COPBIKE, WAYFARER", 204224, R::PlayerEngine}, // 41
    {"GENRL", "GENRL_COUPE_D", "Coupe engine, dummy bank", "", 56168, R::DummyEngine}, // 42
    {"GENRL", "GENRL_COUPE_P", "Coupe engine, player bank", "", 193328, R::PlayerEngine}, // 43
    {"GENRL", "GENRL_CRANE_P", "Crane (not an engine)", "", 237744, R::NotVehicle}, // 44
    {"GENRL", "GENRL_CUTLASS_D", "Cutlass muscle car engine, dummy bank", "D: VOODOO, STALLION, SABRE, BUCCANEE, BLADE, CLOVER, SAVANNA", 55384, R::DummyEngine}, // 45
    {"GENRL", "GENRL_CUTLASS_P", "Cutlass muscle car engine, player bank", "P: VOODOO, STALLION, SABRE, BUCCANEE, BLADE, CLOVER, SAVANNA", 212218, R::PlayerEngine}, // 46
    {"GENRL", "GENRL_DIRTBIKE_D", "Dirt bike engine, dummy bank", "D: SANCHEZ, QUAD", 37352, R::DummyEngine}, // 47
    {"GENRL", "GENRL_DIRTBIKE_P", "Dirt bike engine, player bank", "P: SANCHEZ, QUAD", 127118, R::PlayerEngine}, // 48
    {"GENRL", "GENRL_DODGE_D", "Dodge engine, dummy bank", "", 63000, R::DummyEngine}, // 49
    {"GENRL", "GENRL_DODGE_P", "Dodge engine, player bank", "", 243662, R::PlayerEngine}, // 50
    {"GENRL", "GENRL_DOORS", "Building/garage doors (not an engine)", "", 42222, R::NotVehicle}, // 51
    {"GENRL", "GENRL_EXPLOSIONS", "Explosions (not an engine)", "", 303830, R::NotVehicle}, // 52
    {"GENRL", "GENRL_FASTPROP", "Fast propeller plane, player bank", "P: RUSTLER, STUNT", 130480, R::PlayerEngine}, // 53
    {"GENRL", "GENRL_FASTPROP_D", "Propeller plane, dummy bank", "D: SKIMMER, RUSTLER, CROPDUST, STUNT, DODO", 50804, R::DummyEngine}, // 54
    {"GENRL", "GENRL_FORD_T_D", "Ford T engine, dummy bank", "", 63840, R::DummyEngine}, // 55
    {"GENRL", "GENRL_FORD_T_P", "Ford T engine, player bank", "", 245892, R::PlayerEngine}, // 56
    {"GENRL", "GENRL_FORKLIFT_D", "Forklift engine, dummy bank", "D: FORKLIFT", 60032, R::DummyEngine}, // 57
    {"GENRL", "GENRL_FORKLIFT_P", "Forklift engine, player bank", "P: FORKLIFT", 61400, R::PlayerEngine}, // 58
    {"GENRL", "GENRL_FRONTEND_GAME", "In-game HUD sounds (not an engine)", "", 719610, R::NotVehicle}, // 59
    {"GENRL", "GENRL_FRONTEND_MENU", "Menu sounds (not an engine)", "", 137316, R::NotVehicle}, // 60
    {"GENRL", "GENRL_GOKART_D", "Go-kart engine, dummy bank", "D: KART, MOWER", 47432, R::DummyEngine}, // 61
    {"GENRL", "GENRL_GOKART_P", "Go-kart engine, player bank", "P: KART, MOWER", 133972, R::PlayerEngine}, // 62
    {"GENRL", "GENRL_GOLF_D", "Golf cart (Caddy), dummy bank", "D: CADDY", 45528, R::DummyEngine}, // 63
    {"GENRL", "GENRL_GOLF_P", "Golf cart (Caddy), player bank", "P: CADDY", 203428, R::PlayerEngine}, // 64
    {"GENRL", "GENRL_GOLFCART_P", "Golf cart, player (unused)", "", 203470, R::PlayerEngine}, // 65
    {"GENRL", "GENRL_HAIRCUT_V1", "Haircut 1 (not an engine)", "", 247020, R::NotVehicle}, // 66
    {"GENRL", "GENRL_HAIRCUT_V2", "Haircut 2 (not an engine)", "", 269438, R::NotVehicle}, // 67
    {"GENRL", "GENRL_HARVESTER_D", "Combine harvester engine, dummy bank", "D: COMBINE", 35896, R::DummyEngine}, // 68
    {"GENRL", "GENRL_HARVESTER_P", "Combine harvester, player bank", "P: COMBINE", 238556, R::PlayerEngine}, // 69
    {"GENRL", "GENRL_HEAVY_V8_D", "Heavy V8 (monster truck) engine, dummy bank", "D: MONSTER, BLOODRA, MONSTERA, MONSTERB", 41944, R::DummyEngine}, // 70
    {"GENRL", "GENRL_HEAVY_V8_P", "Heavy V8 (monster truck) engine, player bank", "P: MONSTER, BLOODRA, MONSTERA, MONSTERB", 186650, R::PlayerEngine}, // 71
    {"GENRL", "GENRL_HONDA_D", "Honda engine, dummy bank", "", 43120, R::DummyEngine}, // 72
    {"GENRL", "GENRL_HONDA_P", "Honda engine, player bank", "", 185626, R::PlayerEngine}, // 73
    {"GENRL", "GENRL_HORN", "Horns and sirens (not an engine)", "", 241780, R::NotVehicle}, // 74
    {"GENRL", "GENRL_HOTROD_D", "Hot rod engine, dummy bank", "D: BFINJECT, HOTKNIFE, SLAMVAN, HUSTLER", 21560, R::DummyEngine}, // 75
    {"GENRL", "GENRL_HOTROD_P", "Hot rod engine, player bank", "P: BFINJECT, HOTKNIFE, SLAMVAN, HUSTLER", 158292, R::PlayerEngine}, // 76
    {"GENRL", "GENRL_HOVERCRAFT_D", "Hovercraft engine, dummy bank", "D: VORTEX", 59584, R::DummyEngine}, // 77
    {"GENRL", "GENRL_HOVERCRAFT_P", "Hovercraft engine, player bank", "P: VORTEX", 134628, R::PlayerEngine}, // 78
    {"GENRL", "GENRL_ICEVAN_P", "Ice-cream van, player bank", "P: MRWHOOP", 245556, R::PlayerEngine}, // 79
    {"GENRL", "GENRL_JALOPY_D", "Jalopy (old truck) engine, dummy bank", "D: TRASH, ENFORCER, BARRACKS, FLATBED, FBITRUCK, DUNERIDE, SWATVAN", 49728, R::DummyEngine}, // 80
    {"GENRL", "GENRL_JALOPY_P", "Jalopy (old truck) engine, player bank", "P: TRASH, ENFORCER, BARRACKS, FLATBED, FBITRUCK, DUNERIDE, SWATVAN", 187696, R::PlayerEngine}, // 81
    {"GENRL", "GENRL_LOADING", "Loading-screen music (not an engine)", "", 4432400, R::NotVehicle}, // 82
    {"GENRL", "GENRL_MACKTRUCK_D", "Mack truck (big rig) engine, dummy bank", "D: LINERUN, DUMPER, FIRETRUK, RHINO, PACKER, BENSON, PETRO, RDTRAIN, CEMENT, FIRELA", 57792, R::DummyEngine}, // 83
    {"GENRL", "GENRL_MACKTRUCK_P", "Mack truck (big rig) engine, player bank", "P: LINERUN, DUMPER, FIRETRUK, RHINO, PACKER, BENSON, PETRO, RDTRAIN, CEMENT, FIRELA", 209296, R::PlayerEngine}, // 84
    {"GENRL", "GENRL_MAVERICK", "Maverick helicopter rotor", "P: MAVERICK, VCNMAV, POLMAV", 129416, R::PlayerEngine}, // 85
    {"GENRL", "GENRL_MERC_D", "Mercedes sedan engine, dummy bank", "D: SENTINEL, STRETCH, TAXI, PREMIER, ADMIRAL, ELEGANT, SULTAN, STRATUM, STAFFORD, EMPEROR, COPCARLA, COPCARSF, COPCARVG", 39536, R::DummyEngine}, // 86
    {"GENRL", "GENRL_MERC_P", "Mercedes sedan engine, player bank", "P: SENTINEL, STRETCH, TAXI, PREMIER, ADMIRAL, ELEGANT, SULTAN, STRATUM, STAFFORD, EMPEROR, COPCARLA, COPCARSF, COPCARVG", 224878, R::PlayerEngine}, // 87
    {"GENRL", "GENRL_MODEL_T_D", "Model T engine, dummy bank", "D: WALTON, DOZER, TRACTOR", 53480, R::DummyEngine}, // 88
    {"GENRL", "GENRL_MODEL_T_P", "Model T engine, player bank", "P: WALTON, DOZER, TRACTOR", 253518, R::PlayerEngine}, // 89
    {"GENRL", "GENRL_MONSTER_D", "Monster truck engine, dummy bank", "", 61880, R::DummyEngine}, // 90
    {"GENRL", "GENRL_MONSTER_P", "Monster truck engine, player bank", "", 186670, R::PlayerEngine}, // 91
    {"GENRL", "GENRL_MUSTANG_D", "Mustang engine, dummy bank", "D: ESPERANT, BLISTAC, MAJESTIC, FELTZER, JESTER, FLASH, TAHOMA, CLUB", 57566, R::DummyEngine}, // 92
    {"GENRL", "GENRL_MUSTANG_P", "Mustang engine, player bank", "P: ESPERANT, BLISTAC, MAJESTIC, FELTZER, JESTER, FLASH, TAHOMA, CLUB", 186340, R::PlayerEngine}, // 93
    {"GENRL", "GENRL_PACARD_D", "Packard (old sedan) engine, dummy bank", "D: PEREN, MANANA, MOONBEAM, WASHING, BOBCAT, ROMERO, REGINA, VIRGO, GREENWOO, SADLER, TAMPA, SADLSHIT", 56112, R::DummyEngine}, // 94
    {"GENRL", "GENRL_PACARD_P", "Packard (old sedan) engine, player bank", "P: PEREN, MANANA, MOONBEAM, WASHING, BOBCAT, ROMERO, REGINA, VIRGO, GREENWOO, SADLER, TAMPA, SADLSHIT", 242236, R::PlayerEngine}, // 95
    {"GENRL", "GENRL_PADDY_D", "Paddy wagon engine, dummy bank", "", 65016, R::DummyEngine}, // 96
    {"GENRL", "GENRL_PADDY_P", "Paddy wagon engine, player bank", "", 193422, R::PlayerEngine}, // 97
    {"GENRL", "GENRL_PATHFINDER_D", "Pathfinder SUV engine, dummy bank", "D: LANDSTAL, PATRIOT, RANCHER, FBIRANCH, SANDKING, RNCHLURE, HUNTLEY, COPCARRU", 44072, R::DummyEngine}, // 98
    {"GENRL", "GENRL_PATHFINDER_P", "Pathfinder SUV engine, player bank", "P: LANDSTAL, PATRIOT, RANCHER, FBIRANCH, SANDKING, RNCHLURE, HUNTLEY, COPCARRU", 239052, R::PlayerEngine}, // 99
    {"GENRL", "GENRL_PONTIAC_D", "Pontiac engine, dummy bank", "D: HOTRINB, WINDSOR, PHOENIX", 28728, R::DummyEngine}, // 100
    {"GENRL", "GENRL_PONTIAC_P", "Pontiac engine, player bank", "P: HOTRINB, WINDSOR, PHOENIX", 140692, R::PlayerEngine}, // 101
    {"GENRL", "GENRL_PORSCHE_D", "Porsche sports car engine, dummy bank", "D: CHEETAH, BANSHEE, TURISMO, COMET, SUPERGT", 32984, R::DummyEngine}, // 102
    {"GENRL", "GENRL_PORSCHE_P", "Porsche sports car engine, player bank", "P: CHEETAH, BANSHEE, TURISMO, COMET, SUPERGT", 209714, R::PlayerEngine}, // 103
    {"GENRL", "GENRL_R22", "Small helicopter rotor (R22)", "P: SEASPAR, SPARROW", 217840, R::PlayerEngine}, // 104
    {"GENRL", "GENRL_RAIN", "Rain (not an engine)", "", 263864, R::NotVehicle}, // 105
    {"GENRL", "GENRL_RC_CAR_D", "RC car, dummy bank", "D: RCBARON", 47208, R::DummyEngine}, // 106
    {"GENRL", "GENRL_RC_CAR_P", "RC car, player bank", "P: RCBARON", 47208, R::PlayerEngine}, // 107
    {"GENRL", "GENRL_RC_HELI_D", "RC helicopter, dummy bank", "D: RCRAIDER, RCGOBLIN", 63616, R::DummyEngine}, // 108
    {"GENRL", "GENRL_RC_HELI_P", "RC helicopter, player bank", "P: RCRAIDER, RCGOBLIN", 140112, R::PlayerEngine}, // 109
    {"GENRL", "GENRL_RC_PLANE_D", "RC plane, dummy (unused)", "", 61096, R::DummyEngine}, // 110
    {"GENRL", "GENRL_RC_PLANE_P", "RC plane, player (unused)", "", 243798, R::PlayerEngine}, // 111
    {"GENRL", "GENRL_RC_TANK_D", "RC tank, dummy bank", "D: RCTIGER", 59752, R::DummyEngine}, // 112
    {"GENRL", "GENRL_RC_TANK_P", "RC tank, player bank", "P: RCTIGER", 59752, R::PlayerEngine}, // 113
    {"GENRL", "GENRL_RS427_D", "RS427 engine, dummy bank", "D: FCR900, BANDITO", 60816, R::DummyEngine}, // 114
    {"GENRL", "GENRL_RS427_P", "RS427 engine, player bank", "P: FCR900, BANDITO", 187904, R::PlayerEngine}, // 115
    {"GENRL", "GENRL_SALOON_D", "Saloon engine, dummy bank", "", 61994, R::DummyEngine}, // 116
    {"GENRL", "GENRL_SALOON_P", "Saloon engine, player bank", "", 253566, R::PlayerEngine}, // 117
    {"GENRL", "GENRL_SCOOTER_D", "Scooter engine, dummy bank", "D: RCBANDIT, PIZZABOY, FAGGIO", 42336, R::DummyEngine}, // 118
    {"GENRL", "GENRL_SCOOTER_P", "Scooter engine, player bank", "P: PIZZABOY, FAGGIO", 91578, R::PlayerEngine}, // 119
    {"GENRL", "GENRL_SINGLEPROP", "Single propeller plane, player bank", "P: SKIMMER, CROPDUST, DODO", 128576, R::PlayerEngine}, // 120
    {"GENRL", "GENRL_SKATEBOARD_P", "Skateboard (unused)", "", 88588, R::PlayerEngine}, // 121
    {"GENRL", "GENRL_SPORT_D", "Sport engine, dummy bank", "", 60424, R::DummyEngine}, // 122
    {"GENRL", "GENRL_SPORT_P", "Sport engine, player bank", "", 215066, R::PlayerEngine}, // 123
    {"GENRL", "GENRL_SPORTSBIKE_D", "Sports bike engine, dummy bank", "D: PCJ600, NRG500, BF400", 63952, R::DummyEngine}, // 124
    {"GENRL", "GENRL_SPORTSBIKE_P", "Sports bike engine, player bank", "P: PCJ600, NRG500, BF400", 201790, R::PlayerEngine}, // 125
    {"GENRL", "GENRL_SWEEPER_D", "Street sweeper engine, dummy bank", "D: SWEEPER", 47544, R::DummyEngine}, // 126
    {"GENRL", "GENRL_SWEEPER_P", "Street sweeper engine, player bank", "P: SWEEPER", 61400, R::PlayerEngine}, // 127
    {"GENRL", "GENRL_SWIMMING", "Swimming (not an engine)", "", 132256, R::NotVehicle}, // 128
    {"GENRL", "GENRL_TEMP_D", "Placeholder (TEMP), dummy", "D: BAGBOXA, BAGBOXB, TUGSTAIR, FARMTR1", 37072, R::DummyEngine}, // 129
    {"GENRL", "GENRL_TEMP_P", "Placeholder (TEMP), player", "P: BAGBOXA, BAGBOXB, TUGSTAIR, FARMTR1", 234798, R::PlayerEngine}, // 130
    {"GENRL", "GENRL_TRAIN_D", "Train, dummy bank", "D: FREIGHT, STREAK, FREIFLAT, STREAKC, FREIBOX", 62190, R::DummyEngine}, // 131
    {"GENRL", "GENRL_TRAIN_P", "Train, player bank", "P: TRAM, FREIGHT, STREAK, FREIFLAT, STREAKC, FREIBOX", 179974, R::PlayerEngine}, // 132
    {"GENRL", "GENRL_TRAM_D", "Tram, dummy bank", "D: TRAM", 60452, R::DummyEngine}, // 133
    {"GENRL", "GENRL_TWINPROP", "Twin propeller plane, player bank", "P: BEAGLE, NEVADA", 133112, R::PlayerEngine}, // 134
    {"GENRL", "GENRL_TWINPROP_D", "Twin propeller plane, dummy bank", "D: BEAGLE, NEVADA", 46270, R::DummyEngine}, // 135
    {"GENRL", "GENRL_VAN_D", "Van engine, dummy bank", "D: PONY, MULE, AMBULAN, SECURICA, TOPFUN, BURRITO, JOURNEY, TOWTRUCK, UTILITY, NEWSVAN, BOXBURG", 37072, R::DummyEngine}, // 136
    {"GENRL", "GENRL_VAN_P", "Van engine, player bank", "P: PONY, MULE, AMBULAN, SECURICA, TOPFUN, BURRITO, JOURNEY, TOWTRUCK, UTILITY, NEWSVAN, BOXBURG", 234800, R::PlayerEngine}, // 137
    {"GENRL", "GENRL_VEHICLE_GEN", "General vehicle sounds (not an engine)", "", 786990, R::NotVehicle}, // 138
    {"GENRL", "GENRL_VTWINBIKE_D", "V-twin motorbike engine, dummy bank", "D: FREEWAY", 23072, R::DummyEngine}, // 139
    {"GENRL", "GENRL_VTWINBIKE_P", "V-twin motorbike engine, player bank", "P: FREEWAY", 202214, R::PlayerEngine}, // 140
    {"GENRL", "GENRL_VW_VAN_D", "VW van engine, dummy bank", "D: MRWHOOP, RUMPO, YANKEE, CAMPER, BOXVILLE, HOTDOG", 46316, R::DummyEngine}, // 141
    {"GENRL", "GENRL_VW_VAN_P", "VW van engine, player bank", "P: RUMPO, YANKEE, CAMPER, BOXVILLE, HOTDOG", 220908, R::PlayerEngine}, // 142
    {"GENRL", "GENRL_WEAPONS", "Weapons (not an engine)", "", 1021902, R::NotVehicle}, // 143
    {"PAIN_A", "PAIN_A_CARL", "Pain sounds: CJ", "", 2547710, R::NotVehicle}, // 144
    {"PAIN_A", "PAIN_A_FEMALE", "Pain sounds: female peds", "", 2228764, R::NotVehicle}, // 145
    {"PAIN_A", "PAIN_A_MALE", "Pain sounds: male peds", "", 1913354, R::NotVehicle}, // 146
    {"SCRIPT", "SCRIPT_SCANNER_AREAS", "Script: scanner areas", "", 2278718, R::NotVehicle}, // 147
    {"SCRIPT", "SCRIPT_SCANNER_COLOURS", "Script: scanner colours", "", 100202, R::NotVehicle}, // 148
    {"SCRIPT", "SCRIPT_SCANNER_DIRECTIONS", "Script: scanner directions", "", 33396, R::NotVehicle}, // 149
    {"SCRIPT", "SCRIPT_SCANNER_INSTRUCTIONS", "Script: scanner instructions", "", 87772, R::NotVehicle}, // 150
    {"SCRIPT", "SCRIPT_SCANNER_NUMBERS", "Script: scanner numbers", "", 140618, R::NotVehicle}, // 151
    {"SCRIPT", "SCRIPT_SCANNER_VEHICLES", "Script: scanner vehicles", "", 578828, R::NotVehicle}, // 152
    {"SCRIPT", "SCRIPT_AIR_HORN", "Script: air horn", "", 114688, R::NotVehicle}, // 153
    {"SCRIPT", "SCRIPT_ARCHITECTURAL_ESPIONAGE", "Script: architectural espionage", "", 127568, R::NotVehicle}, // 154
    {"SCRIPT", "SCRIPT_ARE_YOU_GOING_TO_SAN_FIERO", "Script: are you going to san fiero", "", 64996, R::NotVehicle}, // 155
    {"SCRIPT", "SCRIPT_BACK_TO_SCHOOL", "Script: back to school", "", 31640, R::NotVehicle}, // 156
    {"SCRIPT", "SCRIPT_BALLA", "Script: balla", "", 74324, R::NotVehicle}, // 157
    {"SCRIPT", "SCRIPT_BANDIT", "Script: bandit", "", 90598, R::NotVehicle}, // 158
    {"SCRIPT", "SCRIPT_BARBERS", "Script: barbers", "", 177408, R::NotVehicle}, // 159
    {"SCRIPT", "SCRIPT_BASKETBALL", "Script: basketball", "", 105210, R::NotVehicle}, // 160
    {"SCRIPT", "SCRIPT_BBOX", "Script: bbox", "", 396334, R::NotVehicle}, // 161
    {"SCRIPT", "SCRIPT_BCS5", "Script: bcs5", "", 1134092, R::NotVehicle}, // 162
    {"SCRIPT", "SCRIPT_BEE", "Script: bee", "", 177660, R::NotVehicle}, // 163
    {"SCRIPT", "SCRIPT_BFYCRP_GAMBLING", "Script: bfycrp gambling", "", 1987176, R::NotVehicle}, // 164
    {"SCRIPT", "SCRIPT_BIKE_COURIER", "Script: bike courier", "", 39576, R::NotVehicle}, // 165
    {"SCRIPT", "SCRIPT_BLACKJACK_DEALER", "Script: blackjack dealer", "", 1646326, R::NotVehicle}, // 166
    {"SCRIPT", "SCRIPT_BLACK_PROJECT", "Script: black project", "", 133208, R::NotVehicle}, // 167
    {"SCRIPT", "SCRIPT_BOAT_SCHOOL", "Script: boat school", "", 381976, R::NotVehicle}, // 168
    {"SCRIPT", "SCRIPT_BREAKING_THE_BANK", "Script: breaking the bank", "", 124794, R::NotVehicle}, // 169
    {"SCRIPT", "SCRIPT_BURNING_DESIRE", "Script: burning desire", "", 131634, R::NotVehicle}, // 170
    {"SCRIPT", "SCRIPT_CARGO_PLANE", "Script: cargo plane", "", 61828, R::NotVehicle}, // 171
    {"SCRIPT", "SCRIPT_CAS1", "Script: cas1", "", 4245440, R::NotVehicle}, // 172
    {"SCRIPT", "SCRIPT_CAS11", "Script: cas11", "", 3010184, R::NotVehicle}, // 173
    {"SCRIPT", "SCRIPT_CAS2", "Script: cas2", "", 809092, R::NotVehicle}, // 174
    {"SCRIPT", "SCRIPT_CAS3", "Script: cas3", "", 691882, R::NotVehicle}, // 175
    {"SCRIPT", "SCRIPT_CAS4", "Script: cas4", "", 5909184, R::NotVehicle}, // 176
    {"SCRIPT", "SCRIPT_CAS5", "Script: cas5", "", 1011186, R::NotVehicle}, // 177
    {"SCRIPT", "SCRIPT_CAS6", "Script: cas6", "", 4321766, R::NotVehicle}, // 178
    {"SCRIPT", "SCRIPT_CAS9", "Script: cas9", "", 675794, R::NotVehicle}, // 179
    {"SCRIPT", "SCRIPT_CAT", "Script: cat", "", 6987890, R::NotVehicle}, // 180
    {"SCRIPT", "SCRIPT_CAT1", "Script: cat1", "", 1951344, R::NotVehicle}, // 181
    {"SCRIPT", "SCRIPT_CAT2", "Script: cat2", "", 1739672, R::NotVehicle}, // 182
    {"SCRIPT", "SCRIPT_CAT2_BANK", "Script: cat2 bank", "", 51056, R::NotVehicle}, // 183
    {"SCRIPT", "SCRIPT_CAT3", "Script: cat3", "", 2440926, R::NotVehicle}, // 184
    {"SCRIPT", "SCRIPT_CAT4", "Script: cat4", "", 3634644, R::NotVehicle}, // 185
    {"SCRIPT", "SCRIPT_CATX", "Script: catx", "", 4589682, R::NotVehicle}, // 186
    {"SCRIPT", "SCRIPT_CES1", "Script: ces1", "", 667014, R::NotVehicle}, // 187
    {"SCRIPT", "SCRIPT_CES2", "Script: ces2", "", 752966, R::NotVehicle}, // 188
    {"SCRIPT", "SCRIPT_CESX", "Script: cesx", "", 268236, R::NotVehicle}, // 189
    {"SCRIPT", "SCRIPT_CRA1", "Script: cra1", "", 3285296, R::NotVehicle}, // 190
    {"SCRIPT", "SCRIPT_CRA2", "Script: cra2", "", 1351352, R::NotVehicle}, // 191
    {"SCRIPT", "SCRIPT_CRA3", "Script: cra3", "", 568652, R::NotVehicle}, // 192
    {"SCRIPT", "SCRIPT_DAM_AND_BLAST", "Script: dam and blast", "", 26880, R::NotVehicle}, // 193
    {"SCRIPT", "SCRIPT_DANCE_HIGH", "Script: dance high", "", 2262042, R::NotVehicle}, // 194
    {"SCRIPT", "SCRIPT_DANCE_LOW", "Script: dance low", "", 2394538, R::NotVehicle}, // 195
    {"SCRIPT", "SCRIPT_DANCE_MED", "Script: dance med", "", 2209124, R::NotVehicle}, // 196
    {"SCRIPT", "SCRIPT_DANCE_NOT", "Script: dance not", "", 2324264, R::NotVehicle}, // 197
    {"SCRIPT", "SCRIPT_DA_NANG", "Script: da nang", "", 126208, R::NotVehicle}, // 198
    {"SCRIPT", "SCRIPT_DC2", "Script: dc2", "", 445230, R::NotVehicle}, // 199
    {"SCRIPT", "SCRIPT_DECONSTRUCTION", "Script: deconstruction", "", 255044, R::NotVehicle}, // 200
    {"SCRIPT", "SCRIPT_DES1", "Script: des1", "", 1919210, R::NotVehicle}, // 201
    {"SCRIPT", "SCRIPT_DES2", "Script: des2", "", 2002828, R::NotVehicle}, // 202
    {"SCRIPT", "SCRIPT_DES3", "Script: des3", "", 799602, R::NotVehicle}, // 203
    {"SCRIPT", "SCRIPT_DES6", "Script: des6", "", 961564, R::NotVehicle}, // 204
    {"SCRIPT", "SCRIPT_DES8", "Script: des8", "", 6114286, R::NotVehicle}, // 205
    {"SCRIPT", "SCRIPT_DES9", "Script: des9", "", 212744, R::NotVehicle}, // 206
    {"SCRIPT", "SCRIPT_DOGG", "Script: dogg", "", 2215408, R::NotVehicle}, // 207
    {"SCRIPT", "SCRIPT_DON_PEYOTE", "Script: don peyote", "", 96712, R::NotVehicle}, // 208
    {"SCRIPT", "SCRIPT_DUALITY", "Script: duality", "", 211024, R::NotVehicle}, // 209
    {"SCRIPT", "SCRIPT_END_OF_THE_LINE", "Script: end of the line", "", 102144, R::NotVehicle}, // 210
    {"SCRIPT", "SCRIPT_EXPLOSIVE_SITUATION", "Script: explosive situation", "", 46592, R::NotVehicle}, // 211
    {"SCRIPT", "SCRIPT_FAR2", "Script: far2", "", 997270, R::NotVehicle}, // 212
    {"SCRIPT", "SCRIPT_FAR3", "Script: far3", "", 3148152, R::NotVehicle}, // 213
    {"SCRIPT", "SCRIPT_FAR4", "Script: far4", "", 355766, R::NotVehicle}, // 214
    {"SCRIPT", "SCRIPT_FAR5", "Script: far5", "", 203800, R::NotVehicle}, // 215
    {"SCRIPT", "SCRIPT_FIN1", "Script: fin1", "", 7304936, R::NotVehicle}, // 216
    {"SCRIPT", "SCRIPT_FIN2", "Script: fin2", "", 1212704, R::NotVehicle}, // 217
    {"SCRIPT", "SCRIPT_FREEFALL", "Script: freefall", "", 19488, R::NotVehicle}, // 218
    {"SCRIPT", "SCRIPT_GAR1", "Script: gar1", "", 5835966, R::NotVehicle}, // 219
    {"SCRIPT", "SCRIPT_GAR2", "Script: gar2", "", 712180, R::NotVehicle}, // 220
    {"SCRIPT", "SCRIPT_GATE", "Script: gate", "", 223882, R::NotVehicle}, // 221
    {"SCRIPT", "SCRIPT_GOGO", "Script: gogo", "", 167974, R::NotVehicle}, // 222
    {"SCRIPT", "SCRIPT_GREY_IMPORTS", "Script: grey imports", "", 39742, R::NotVehicle}, // 223
    {"SCRIPT", "SCRIPT_GRO1", "Script: gro1", "", 3103100, R::NotVehicle}, // 224
    {"SCRIPT", "SCRIPT_GRO2", "Script: gro2", "", 1082648, R::NotVehicle}, // 225
    {"SCRIPT", "SCRIPT_GYM", "Script: gym", "", 196298, R::NotVehicle}, // 226
    {"SCRIPT", "SCRIPT_HE1", "Script: he1", "", 1256598, R::NotVehicle}, // 227
    {"SCRIPT", "SCRIPT_HE2", "Script: he2", "", 958918, R::NotVehicle}, // 228
    {"SCRIPT", "SCRIPT_HE3", "Script: he3", "", 1827980, R::NotVehicle}, // 229
    {"SCRIPT", "SCRIPT_HE4", "Script: he4", "", 976784, R::NotVehicle}, // 230
    {"SCRIPT", "SCRIPT_HE5", "Script: he5", "", 472110, R::NotVehicle}, // 231
    {"SCRIPT", "SCRIPT_HE8", "Script: he8", "", 6324548, R::NotVehicle}, // 232
    {"SCRIPT", "SCRIPT_HEI", "Script: hei", "", 1218264, R::NotVehicle}, // 233
    {"SCRIPT", "SCRIPT_HIJACK", "Script: hijack", "", 114548, R::NotVehicle}, // 234
    {"SCRIPT", "SCRIPT_HOME_INVASION", "Script: home invasion", "", 140616, R::NotVehicle}, // 235
    {"SCRIPT", "SCRIPT_HOUSE_PARTY", "Script: house party", "", 57660, R::NotVehicle}, // 236
    {"SCRIPT", "SCRIPT_INT1", "Script: int1", "", 3854574, R::NotVehicle}, // 237
    {"SCRIPT", "SCRIPT_INT2", "Script: int2", "", 2477986, R::NotVehicle}, // 238
    {"SCRIPT", "SCRIPT_JIZX", "Script: jizx", "", 948072, R::NotVehicle}, // 239
    {"SCRIPT", "SCRIPT_JIZZY", "Script: jizzy", "", 126018, R::NotVehicle}, // 240
    {"SCRIPT", "SCRIPT_KEYCARD_TO_HER_HEART", "Script: keycard to her heart", "", 247920, R::NotVehicle}, // 241
    {"SCRIPT", "SCRIPT_KEYPAD", "Script: keypad", "", 34352, R::NotVehicle}, // 242
    {"SCRIPT", "SCRIPT_KUNG", "Script: kung", "", 610068, R::NotVehicle}, // 243
    {"SCRIPT", "SCRIPT_LIFE_BEACH_CONV", "Script: life beach conv", "", 2117026, R::NotVehicle}, // 244
    {"SCRIPT", "SCRIPT_LOC1", "Script: loc1", "", 3444712, R::NotVehicle}, // 245
    {"SCRIPT", "SCRIPT_LOC2", "Script: loc2", "", 460858, R::NotVehicle}, // 246
    {"SCRIPT", "SCRIPT_LOC3", "Script: loc3", "", 1750004, R::NotVehicle}, // 247
    {"SCRIPT", "SCRIPT_LOC4", "Script: loc4", "", 920222, R::NotVehicle}, // 248
    {"SCRIPT", "SCRIPT_LOCX", "Script: locx", "", 197766, R::NotVehicle}, // 249
    {"SCRIPT", "SCRIPT_LOS_SEPULCROS", "Script: los sepulcros", "", 104736, R::NotVehicle}, // 250
    {"SCRIPT", "SCRIPT_LOWR", "Script: lowr", "", 2034072, R::NotVehicle}, // 251
    {"SCRIPT", "SCRIPT_LURE", "Script: lure", "", 125858, R::NotVehicle}, // 252
    {"SCRIPT", "SCRIPT_MACX", "Script: macx", "", 426162, R::NotVehicle}, // 253
    {"SCRIPT", "SCRIPT_MADD_DOG", "Script: madd dog", "", 117698, R::NotVehicle}, // 254
    {"SCRIPT", "SCRIPT_MAD_DOGGS_RHYMES", "Script: mad doggs rhymes", "", 125888, R::NotVehicle}, // 255
    {"SCRIPT", "SCRIPT_MAN1", "Script: man1", "", 1523332, R::NotVehicle}, // 256
    {"SCRIPT", "SCRIPT_MAN2", "Script: man2", "", 3096552, R::NotVehicle}, // 257
    {"SCRIPT", "SCRIPT_MAN3", "Script: man3", "", 871832, R::NotVehicle}, // 258
    {"SCRIPT", "SCRIPT_MAN5", "Script: man5", "", 1896496, R::NotVehicle}, // 259
    {"SCRIPT", "SCRIPT_MANAGEMENT_ISSUES", "Script: management issues", "", 27840, R::NotVehicle}, // 260
    {"SCRIPT", "SCRIPT_MBARB", "Script: mbarb", "", 2323624, R::NotVehicle}, // 261
    {"SCRIPT", "SCRIPT_MCAT", "Script: mcat", "", 2066608, R::NotVehicle}, // 262
    {"SCRIPT", "SCRIPT_MCES", "Script: mces", "", 6387678, R::NotVehicle}, // 263
    {"SCRIPT", "SCRIPT_MDEN", "Script: mden", "", 1851306, R::NotVehicle}, // 264
    {"SCRIPT", "SCRIPT_MEAT_BUSINESS", "Script: meat business", "", 109082, R::NotVehicle}, // 265
    {"SCRIPT", "SCRIPT_MECHANIC", "Script: mechanic", "", 108128, R::NotVehicle}, // 266
    {"SCRIPT", "SCRIPT_MECHANIC_DIALOGUE", "Script: mechanic dialogue", "", 744200, R::NotVehicle}, // 267
    {"SCRIPT", "SCRIPT_MHEL", "Script: mhel", "", 1939188, R::NotVehicle}, // 268
    {"SCRIPT", "SCRIPT_MHRZ", "Script: mhrz", "", 558310, R::NotVehicle}, // 269
    {"SCRIPT", "SCRIPT_MJET", "Script: mjet", "", 2346874, R::NotVehicle}, // 270
    {"SCRIPT", "SCRIPT_MJIZ", "Script: mjiz", "", 680508, R::NotVehicle}, // 271
    {"SCRIPT", "SCRIPT_MKND", "Script: mknd", "", 932896, R::NotVehicle}, // 272
    {"SCRIPT", "SCRIPT_MKP", "Script: mkp", "", 304360, R::NotVehicle}, // 273
    {"SCRIPT", "SCRIPT_MLOC", "Script: mloc", "", 1225244, R::NotVehicle}, // 274
    {"SCRIPT", "SCRIPT_MMICH", "Script: mmich", "", 1804494, R::NotVehicle}, // 275
    {"SCRIPT", "SCRIPT_MMILL", "Script: mmill", "", 2299574, R::NotVehicle}, // 276
    {"SCRIPT", "SCRIPT_MOUNTAIN_CLOUD_BOY", "Script: mountain cloud boy", "", 92852, R::NotVehicle}, // 277
    {"SCRIPT", "SCRIPT_MPUL", "Script: mpul", "", 209676, R::NotVehicle}, // 278
    {"SCRIPT", "SCRIPT_MROS", "Script: mros", "", 1600284, R::NotVehicle}, // 279
    {"SCRIPT", "SCRIPT_MSAL", "Script: msal", "", 1250672, R::NotVehicle}, // 280
    {"SCRIPT", "SCRIPT_MSMK", "Script: msmk", "", 735942, R::NotVehicle}, // 281
    {"SCRIPT", "SCRIPT_MSWE", "Script: mswe", "", 7085462, R::NotVehicle}, // 282
    {"SCRIPT", "SCRIPT_MTEN", "Script: mten", "", 1425040, R::NotVehicle}, // 283
    {"SCRIPT", "SCRIPT_MTG", "Script: mtg", "", 468180, R::NotVehicle}, // 284
    {"SCRIPT", "SCRIPT_MTOR", "Script: mtor", "", 4339060, R::NotVehicle}, // 285
    {"SCRIPT", "SCRIPT_MTRU", "Script: mtru", "", 1232360, R::NotVehicle}, // 286
    {"SCRIPT", "SCRIPT_MWUZ", "Script: mwuz", "", 3236136, R::NotVehicle}, // 287
    {"SCRIPT", "SCRIPT_MZAHN", "Script: mzahn", "", 1704742, R::NotVehicle}, // 288
    {"SCRIPT", "SCRIPT_MZER", "Script: mzer", "", 973526, R::NotVehicle}, // 289
    {"SCRIPT", "SCRIPT_NOE", "Script: noe", "", 41328, R::NotVehicle}, // 290
    {"SCRIPT", "SCRIPT_NULL", "Script: null", "", 136000, R::NotVehicle}, // 291
    {"SCRIPT", "SCRIPT_OGLOC", "Script: ogloc", "", 102656, R::NotVehicle}, // 292
    {"SCRIPT", "SCRIPT_OTB", "Script: otb", "", 180356, R::NotVehicle}, // 293
    {"SCRIPT", "SCRIPT_PIMPING", "Script: pimping", "", 70224, R::NotVehicle}, // 294
    {"SCRIPT", "SCRIPT_POOL", "Script: pool", "", 295406, R::NotVehicle}, // 295
    {"SCRIPT", "SCRIPT_POOL_MINIGAME", "Script: pool minigame", "", 192596, R::NotVehicle}, // 296
    {"SCRIPT", "SCRIPT_PUNCTURE_WOUNDS", "Script: puncture wounds", "", 109926, R::NotVehicle}, // 297
    {"SCRIPT", "SCRIPT_RESTAURANT", "Script: restaurant", "", 142722, R::NotVehicle}, // 298
    {"SCRIPT", "SCRIPT_REUNITING_THE_FAMILIES", "Script: reuniting the families", "", 63230, R::NotVehicle}, // 299
    {"SCRIPT", "SCRIPT_ROB_GAS_STATION", "Script: rob gas station", "", 96336, R::NotVehicle}, // 300
    {"SCRIPT", "SCRIPT_ROT1", "Script: rot1", "", 2169578, R::NotVehicle}, // 301
    {"SCRIPT", "SCRIPT_ROT2", "Script: rot2", "", 4078754, R::NotVehicle}, // 302
    {"SCRIPT", "SCRIPT_ROT4", "Script: rot4", "", 3815080, R::NotVehicle}, // 303
    {"SCRIPT", "SCRIPT_ROULETTE", "Script: roulette", "", 69398, R::NotVehicle}, // 304
    {"SCRIPT", "SCRIPT_RYD1", "Script: ryd1", "", 3943932, R::NotVehicle}, // 305
    {"SCRIPT", "SCRIPT_RYD2", "Script: ryd2", "", 4695292, R::NotVehicle}, // 306
    {"SCRIPT", "SCRIPT_RYD3", "Script: ryd3", "", 3266182, R::NotVehicle}, // 307
    {"SCRIPT", "SCRIPT_RYDX", "Script: rydx", "", 2481970, R::NotVehicle}, // 308
    {"SCRIPT", "SCRIPT_SCR1", "Script: scr1", "", 837074, R::NotVehicle}, // 309
    {"SCRIPT", "SCRIPT_SHOOTING_RANGE", "Script: shooting range", "", 194886, R::NotVehicle}, // 310
    {"SCRIPT", "SCRIPT_SHRK", "Script: shrk", "", 2302830, R::NotVehicle}, // 311
    {"SCRIPT", "SCRIPT_SMO1", "Script: smo1", "", 4365246, R::NotVehicle}, // 312
    {"SCRIPT", "SCRIPT_SMO2", "Script: smo2", "", 2210396, R::NotVehicle}, // 313
    {"SCRIPT", "SCRIPT_SMO3", "Script: smo3", "", 4739358, R::NotVehicle}, // 314
    {"SCRIPT", "SCRIPT_SMO4", "Script: smo4", "", 6736460, R::NotVehicle}, // 315
    {"SCRIPT", "SCRIPT_SMOX", "Script: smox", "", 2658110, R::NotVehicle}, // 316
    {"SCRIPT", "SCRIPT_SOLO", "Script: solo", "", 31144, R::NotVehicle}, // 317
    {"SCRIPT", "SCRIPT_STADIUM_CHEERS", "Script: stadium cheers", "", 875958, R::NotVehicle}, // 318
    {"SCRIPT", "SCRIPT_STINGER", "Script: stinger", "", 46638, R::NotVehicle}, // 319
    {"SCRIPT", "SCRIPT_STL1", "Script: stl1", "", 271180, R::NotVehicle}, // 320
    {"SCRIPT", "SCRIPT_STL2", "Script: stl2", "", 3191022, R::NotVehicle}, // 321
    {"SCRIPT", "SCRIPT_STL4", "Script: stl4", "", 2003142, R::NotVehicle}, // 322
    {"SCRIPT", "SCRIPT_STL5", "Script: stl5", "", 2211980, R::NotVehicle}, // 323
    {"SCRIPT", "SCRIPT_SWE1", "Script: swe1", "", 4627322, R::NotVehicle}, // 324
    {"SCRIPT", "SCRIPT_SWE2", "Script: swe2", "", 4232664, R::NotVehicle}, // 325
    {"SCRIPT", "SCRIPT_SWE3", "Script: swe3", "", 3989628, R::NotVehicle}, // 326
    {"SCRIPT", "SCRIPT_SWE4", "Script: swe4", "", 3287912, R::NotVehicle}, // 327
    {"SCRIPT", "SCRIPT_SWE5", "Script: swe5", "", 1995554, R::NotVehicle}, // 328
    {"SCRIPT", "SCRIPT_SWE7", "Script: swe7", "", 3299172, R::NotVehicle}, // 329
    {"SCRIPT", "SCRIPT_SWEX", "Script: swex", "", 1308896, R::NotVehicle}, // 330
    {"SCRIPT", "SCRIPT_SYN1", "Script: syn1", "", 3351454, R::NotVehicle}, // 331
    {"SCRIPT", "SCRIPT_SYN2", "Script: syn2", "", 4548398, R::NotVehicle}, // 332
    {"SCRIPT", "SCRIPT_SYN3", "Script: syn3", "", 1142362, R::NotVehicle}, // 333
    {"SCRIPT", "SCRIPT_SYN4", "Script: syn4", "", 693782, R::NotVehicle}, // 334
    {"SCRIPT", "SCRIPT_SYN5", "Script: syn5", "", 3326182, R::NotVehicle}, // 335
    {"SCRIPT", "SCRIPT_SYN7", "Script: syn7", "", 678718, R::NotVehicle}, // 336
    {"SCRIPT", "SCRIPT_TATTOO", "Script: tattoo", "", 188444, R::NotVehicle}, // 337
    {"SCRIPT", "SCRIPT_TBOX", "Script: tbox", "", 1376698, R::NotVehicle}, // 338
    {"SCRIPT", "SCRIPT_TEMPEST", "Script: tempest", "", 248826, R::NotVehicle}, // 339
    {"SCRIPT", "SCRIPT_THE_JAR_OF_GREEN_GOO", "Script: the jar of green goo", "", 70840, R::NotVehicle}, // 340
    {"SCRIPT", "SCRIPT_TORX", "Script: torx", "", 637282, R::NotVehicle}, // 341
    {"SCRIPT", "SCRIPT_TRU1", "Script: tru1", "", 2092578, R::NotVehicle}, // 342
    {"SCRIPT", "SCRIPT_TRU2", "Script: tru2", "", 4232562, R::NotVehicle}, // 343
    {"SCRIPT", "SCRIPT_TRUX", "Script: trux", "", 1247308, R::NotVehicle}, // 344
    {"SCRIPT", "SCRIPT_UNCLE_SAM", "Script: uncle sam", "", 122758, R::NotVehicle}, // 345
    {"SCRIPT", "SCRIPT_UP_UP_AND_AWAY", "Script: up up and away", "", 22232, R::NotVehicle}, // 346
    {"SCRIPT", "SCRIPT_VALET", "Script: valet", "", 590178, R::NotVehicle}, // 347
    {"SCRIPT", "SCRIPT_VCR1", "Script: vcr1", "", 302278, R::NotVehicle}, // 348
    {"SCRIPT", "SCRIPT_VCR2", "Script: vcr2", "", 1487850, R::NotVehicle}, // 349
    {"SCRIPT", "SCRIPT_VENDING", "Script: vending", "", 415826, R::NotVehicle}, // 350
    {"SCRIPT", "SCRIPT_VERTICAL_BIRD", "Script: vertical bird", "", 38754, R::NotVehicle}, // 351
    {"SCRIPT", "SCRIPT_VIDEO_POKER", "Script: video poker", "", 83984, R::NotVehicle}, // 352
    {"SCRIPT", "SCRIPT_VO", "Script: vo", "", 463568, R::NotVehicle}, // 353
    {"SCRIPT", "SCRIPT_WBOX", "Script: wbox", "", 516140, R::NotVehicle}, // 354
    {"SCRIPT", "SCRIPT_WFYCRP_GAMBLING", "Script: wfycrp gambling", "", 1987176, R::NotVehicle}, // 355
    {"SCRIPT", "SCRIPT_WUZ1", "Script: wuz1", "", 5393404, R::NotVehicle}, // 356
    {"SCRIPT", "SCRIPT_WUZ2", "Script: wuz2", "", 3703738, R::NotVehicle}, // 357
    {"SCRIPT", "SCRIPT_WUZ4", "Script: wuz4", "", 2438940, R::NotVehicle}, // 358
    {"SCRIPT", "SCRIPT_WUZX", "Script: wuzx", "", 1256980, R::NotVehicle}, // 359
    {"SCRIPT", "SCRIPT_ZER1", "Script: zer1", "", 1913336, R::NotVehicle}, // 360
    {"SCRIPT", "SCRIPT_ZER2", "Script: zer2", "", 1422778, R::NotVehicle}, // 361
    {"SCRIPT", "SCRIPT_ZER3", "Script: zer3", "", 747016, R::NotVehicle}, // 362
    {"SCRIPT", "SCRIPT_ZER4", "Script: zer4", "", 3450630, R::NotVehicle}, // 363
    {"SCRIPT", "SCRIPT_ZEROING_IN", "Script: zeroing in", "", 4880, R::NotVehicle}, // 364
    {"SPC_EA", "SPC_EA_ARMY1", "Speech: emergency-service voice ARMY1", "", 890110, R::NotVehicle}, // 365
    {"SPC_EA", "SPC_EA_ARMY2", "Speech: emergency-service voice ARMY2", "", 1139660, R::NotVehicle}, // 366
    {"SPC_EA", "SPC_EA_ARMY3", "Speech: emergency-service voice ARMY3", "", 1037900, R::NotVehicle}, // 367
    {"SPC_EA", "SPC_EA_EMT1", "Speech: emergency-service voice EMT1", "", 2287158, R::NotVehicle}, // 368
    {"SPC_EA", "SPC_EA_EMT2", "Speech: emergency-service voice EMT2", "", 2160810, R::NotVehicle}, // 369
    {"SPC_EA", "SPC_EA_EMT3", "Speech: emergency-service voice EMT3", "", 2682524, R::NotVehicle}, // 370
    {"SPC_EA", "SPC_EA_EMT4", "Speech: emergency-service voice EMT4", "", 2050548, R::NotVehicle}, // 371
    {"SPC_EA", "SPC_EA_EMT5", "Speech: emergency-service voice EMT5", "", 1541354, R::NotVehicle}, // 372
    {"SPC_EA", "SPC_EA_FBI2", "Speech: emergency-service voice FBI2", "", 1144820, R::NotVehicle}, // 373
    {"SPC_EA", "SPC_EA_FBI3", "Speech: emergency-service voice FBI3", "", 1695276, R::NotVehicle}, // 374
    {"SPC_EA", "SPC_EA_FBI4", "Speech: emergency-service voice FBI4", "", 1330548, R::NotVehicle}, // 375
    {"SPC_EA", "SPC_EA_FBI5", "Speech: emergency-service voice FBI5", "", 1423856, R::NotVehicle}, // 376
    {"SPC_EA", "SPC_EA_FBI6", "Speech: emergency-service voice FBI6", "", 1425738, R::NotVehicle}, // 377
    {"SPC_EA", "SPC_EA_LAPD1", "Speech: emergency-service voice LAPD1", "", 4114562, R::NotVehicle}, // 378
    {"SPC_EA", "SPC_EA_LAPD2", "Speech: emergency-service voice LAPD2", "", 2197900, R::NotVehicle}, // 379
    {"SPC_EA", "SPC_EA_LAPD3", "Speech: emergency-service voice LAPD3", "", 4445740, R::NotVehicle}, // 380
    {"SPC_EA", "SPC_EA_LAPD4", "Speech: emergency-service voice LAPD4", "", 2805926, R::NotVehicle}, // 381
    {"SPC_EA", "SPC_EA_LAPD5", "Speech: emergency-service voice LAPD5", "", 2991862, R::NotVehicle}, // 382
    {"SPC_EA", "SPC_EA_LAPD6", "Speech: emergency-service voice LAPD6", "", 4626590, R::NotVehicle}, // 383
    {"SPC_EA", "SPC_EA_LAPD7", "Speech: emergency-service voice LAPD7", "", 4226070, R::NotVehicle}, // 384
    {"SPC_EA", "SPC_EA_LAPD8", "Speech: emergency-service voice LAPD8", "", 2676752, R::NotVehicle}, // 385
    {"SPC_EA", "SPC_EA_LVPD1", "Speech: emergency-service voice LVPD1", "", 3655642, R::NotVehicle}, // 386
    {"SPC_EA", "SPC_EA_LVPD2", "Speech: emergency-service voice LVPD2", "", 4891434, R::NotVehicle}, // 387
    {"SPC_EA", "SPC_EA_LVPD3", "Speech: emergency-service voice LVPD3", "", 2817502, R::NotVehicle}, // 388
    {"SPC_EA", "SPC_EA_LVPD4", "Speech: emergency-service voice LVPD4", "", 3393020, R::NotVehicle}, // 389
    {"SPC_EA", "SPC_EA_LVPD5", "Speech: emergency-service voice LVPD5", "", 3709960, R::NotVehicle}, // 390
    {"SPC_EA", "SPC_EA_MCOP1", "Speech: emergency-service voice MCOP1", "", 2981642, R::NotVehicle}, // 391
    {"SPC_EA", "SPC_EA_MCOP2", "Speech: emergency-service voice MCOP2", "", 3209114, R::NotVehicle}, // 392
    {"SPC_EA", "SPC_EA_MCOP3", "Speech: emergency-service voice MCOP3", "", 3530886, R::NotVehicle}, // 393
    {"SPC_EA", "SPC_EA_MCOP4", "Speech: emergency-service voice MCOP4", "", 2423502, R::NotVehicle}, // 394
    {"SPC_EA", "SPC_EA_MCOP5", "Speech: emergency-service voice MCOP5", "", 3085058, R::NotVehicle}, // 395
    {"SPC_EA", "SPC_EA_MCOP6", "Speech: emergency-service voice MCOP6", "", 2322142, R::NotVehicle}, // 396
    {"SPC_EA", "SPC_EA_PULASKI", "Speech: emergency-service voice PULASKI", "", 921844, R::NotVehicle}, // 397
    {"SPC_EA", "SPC_EA_RCOP1", "Speech: emergency-service voice RCOP1", "", 3331868, R::NotVehicle}, // 398
    {"SPC_EA", "SPC_EA_RCOP2", "Speech: emergency-service voice RCOP2", "", 4027758, R::NotVehicle}, // 399
    {"SPC_EA", "SPC_EA_RCOP3", "Speech: emergency-service voice RCOP3", "", 3389216, R::NotVehicle}, // 400
    {"SPC_EA", "SPC_EA_RCOP4", "Speech: emergency-service voice RCOP4", "", 4403418, R::NotVehicle}, // 401
    {"SPC_EA", "SPC_EA_SFPD1", "Speech: emergency-service voice SFPD1", "", 2086248, R::NotVehicle}, // 402
    {"SPC_EA", "SPC_EA_SFPD2", "Speech: emergency-service voice SFPD2", "", 4632124, R::NotVehicle}, // 403
    {"SPC_EA", "SPC_EA_SFPD3", "Speech: emergency-service voice SFPD3", "", 2281398, R::NotVehicle}, // 404
    {"SPC_EA", "SPC_EA_SFPD4", "Speech: emergency-service voice SFPD4", "", 4711966, R::NotVehicle}, // 405
    {"SPC_EA", "SPC_EA_SFPD5", "Speech: emergency-service voice SFPD5", "", 4981660, R::NotVehicle}, // 406
    {"SPC_EA", "SPC_EA_SWAT1", "Speech: emergency-service voice SWAT1", "", 2074966, R::NotVehicle}, // 407
    {"SPC_EA", "SPC_EA_SWAT2", "Speech: emergency-service voice SWAT2", "", 1309544, R::NotVehicle}, // 408
    {"SPC_EA", "SPC_EA_SWAT4", "Speech: emergency-service voice SWAT4", "", 935554, R::NotVehicle}, // 409
    {"SPC_EA", "SPC_EA_SWAT6", "Speech: emergency-service voice SWAT6", "", 614194, R::NotVehicle}, // 410
    {"SPC_FA", "SPC_FA_BARBARA", "Speech: girlfriend/shopkeeper voice BARBARA", "", 13743908, R::NotVehicle}, // 411
    {"SPC_FA", "SPC_FA_BMOBAR", "Speech: girlfriend/shopkeeper voice BMOBAR", "", 1922010, R::NotVehicle}, // 412
    {"SPC_FA", "SPC_FA_BMYBARB", "Speech: girlfriend/shopkeeper voice BMYBARB", "", 1773526, R::NotVehicle}, // 413
    {"SPC_FA", "SPC_FA_BMYTATT", "Speech: girlfriend/shopkeeper voice BMYTATT", "", 2367718, R::NotVehicle}, // 414
    {"SPC_FA", "SPC_FA_CATALINA", "Speech: girlfriend/shopkeeper voice CATALINA", "", 3676116, R::NotVehicle}, // 415
    {"SPC_FA", "SPC_FA_DENISE", "Speech: girlfriend/shopkeeper voice DENISE", "", 13710352, R::NotVehicle}, // 416
    {"SPC_FA", "SPC_FA_HELENA", "Speech: girlfriend/shopkeeper voice HELENA", "", 14240908, R::NotVehicle}, // 417
    {"SPC_FA", "SPC_FA_KATIE", "Speech: girlfriend/shopkeeper voice KATIE", "", 10916346, R::NotVehicle}, // 418
    {"SPC_FA", "SPC_FA_MICHELLE", "Speech: girlfriend/shopkeeper voice MICHELLE", "", 15358830, R::NotVehicle}, // 419
    {"SPC_FA", "SPC_FA_MILLIE", "Speech: girlfriend/shopkeeper voice MILLIE", "", 12298368, R::NotVehicle}, // 420
    {"SPC_FA", "SPC_FA_POL_ANN", "Speech: girlfriend/shopkeeper voice POL_ANN", "", 5986072, R::NotVehicle}, // 421
    {"SPC_FA", "SPC_FA_WFYBURG", "Speech: girlfriend/shopkeeper voice WFYBURG", "", 1461178, R::NotVehicle}, // 422
    {"SPC_FA", "SPC_FA_WFYCLOT", "Speech: girlfriend/shopkeeper voice WFYCLOT", "", 1336842, R::NotVehicle}, // 423
    {"SPC_FA", "SPC_FA_WMYAMMO", "Speech: girlfriend/shopkeeper voice WMYAMMO", "", 3044462, R::NotVehicle}, // 424
    {"SPC_FA", "SPC_FA_WMYBARB", "Speech: girlfriend/shopkeeper voice WMYBARB", "", 1518470, R::NotVehicle}, // 425
    {"SPC_FA", "SPC_FA_WMYBELL", "Speech: girlfriend/shopkeeper voice WMYBELL", "", 1591190, R::NotVehicle}, // 426
    {"SPC_FA", "SPC_FA_WMYCLOT", "Speech: girlfriend/shopkeeper voice WMYCLOT", "", 1035088, R::NotVehicle}, // 427
    {"SPC_FA", "SPC_FA_WMYPIZZ", "Speech: girlfriend/shopkeeper voice WMYPIZZ", "", 1477246, R::NotVehicle}, // 428
    {"SPC_GA", "SPC_GA_BBDYG1", "Speech: generic pedestrian voice BBDYG1", "", 1918986, R::NotVehicle}, // 429
    {"SPC_GA", "SPC_GA_BBDYG2", "Speech: generic pedestrian voice BBDYG2", "", 1745076, R::NotVehicle}, // 430
    {"SPC_GA", "SPC_GA_BFORI", "Speech: generic pedestrian voice BFORI", "", 9850734, R::NotVehicle}, // 431
    {"SPC_GA", "SPC_GA_BFOST", "Speech: generic pedestrian voice BFOST", "", 8026994, R::NotVehicle}, // 432
    {"SPC_GA", "SPC_GA_BFYBE", "Speech: generic pedestrian voice BFYBE", "", 3977674, R::NotVehicle}, // 433
    {"SPC_GA", "SPC_GA_BFYBU", "Speech: generic pedestrian voice BFYBU", "", 8955424, R::NotVehicle}, // 434
    {"SPC_GA", "SPC_GA_BFYCRP", "Speech: generic pedestrian voice BFYCRP", "", 422154, R::NotVehicle}, // 435
    {"SPC_GA", "SPC_GA_BFYPRO", "Speech: generic pedestrian voice BFYPRO", "", 10050616, R::NotVehicle}, // 436
    {"SPC_GA", "SPC_GA_BFYRI", "Speech: generic pedestrian voice BFYRI", "", 7442630, R::NotVehicle}, // 437
    {"SPC_GA", "SPC_GA_BFYST", "Speech: generic pedestrian voice BFYST", "", 6817880, R::NotVehicle}, // 438
    {"SPC_GA", "SPC_GA_BIKDRUG", "Speech: generic pedestrian voice BIKDRUG", "", 4847132, R::NotVehicle}, // 439
    {"SPC_GA", "SPC_GA_BIKERA", "Speech: generic pedestrian voice BIKERA", "", 4868118, R::NotVehicle}, // 440
    {"SPC_GA", "SPC_GA_BIKERB", "Speech: generic pedestrian voice BIKERB", "", 3331066, R::NotVehicle}, // 441
    {"SPC_GA", "SPC_GA_BMOCD", "Speech: generic pedestrian voice BMOCD", "", 2755120, R::NotVehicle}, // 442
    {"SPC_GA", "SPC_GA_BMORI", "Speech: generic pedestrian voice BMORI", "", 6545120, R::NotVehicle}, // 443
    {"SPC_GA", "SPC_GA_BMOSEC", "Speech: generic pedestrian voice BMOSEC", "", 3651934, R::NotVehicle}, // 444
    {"SPC_GA", "SPC_GA_BMOST", "Speech: generic pedestrian voice BMOST", "", 7420016, R::NotVehicle}, // 445
    {"SPC_GA", "SPC_GA_BMOTR1", "Speech: generic pedestrian voice BMOTR1", "", 5126374, R::NotVehicle}, // 446
    {"SPC_GA", "SPC_GA_BMYAP", "Speech: generic pedestrian voice BMYAP", "", 6318642, R::NotVehicle}, // 447
    {"SPC_GA", "SPC_GA_BMYBE", "Speech: generic pedestrian voice BMYBE", "", 3969014, R::NotVehicle}, // 448
    {"SPC_GA", "SPC_GA_BMYBOUN", "Speech: generic pedestrian voice BMYBOUN", "", 1990446, R::NotVehicle}, // 449
    {"SPC_GA", "SPC_GA_BMYBOX", "Speech: generic pedestrian voice BMYBOX", "", 1092160, R::NotVehicle}, // 450
    {"SPC_GA", "SPC_GA_BMYBU", "Speech: generic pedestrian voice BMYBU", "", 7762640, R::NotVehicle}, // 451
    {"SPC_GA", "SPC_GA_BMYCG", "Speech: generic pedestrian voice BMYCG", "", 264494, R::NotVehicle}, // 452
    {"SPC_GA", "SPC_GA_BMYCON", "Speech: generic pedestrian voice BMYCON", "", 921192, R::NotVehicle}, // 453
    {"SPC_GA", "SPC_GA_BMYCR", "Speech: generic pedestrian voice BMYCR", "", 5282156, R::NotVehicle}, // 454
    {"SPC_GA", "SPC_GA_BMYDJ", "Speech: generic pedestrian voice BMYDJ", "", 5995724, R::NotVehicle}, // 455
    {"SPC_GA", "SPC_GA_BMYDRUG", "Speech: generic pedestrian voice BMYDRUG", "", 6649892, R::NotVehicle}, // 456
    {"SPC_GA", "SPC_GA_BMYMOUN", "Speech: generic pedestrian voice BMYMOUN", "", 1678946, R::NotVehicle}, // 457
    {"SPC_GA", "SPC_GA_BMYPOL1", "Speech: generic pedestrian voice BMYPOL1", "", 787048, R::NotVehicle}, // 458
    {"SPC_GA", "SPC_GA_BMYPOL2", "Speech: generic pedestrian voice BMYPOL2", "", 811766, R::NotVehicle}, // 459
    {"SPC_GA", "SPC_GA_BMYRI", "Speech: generic pedestrian voice BMYRI", "", 6863984, R::NotVehicle}, // 460
    {"SPC_GA", "SPC_GA_BMYST", "Speech: generic pedestrian voice BMYST", "", 8281464, R::NotVehicle}, // 461
    {"SPC_GA", "SPC_GA_BYMPI", "Speech: generic pedestrian voice BYMPI", "", 4105912, R::NotVehicle}, // 462
    {"SPC_GA", "SPC_GA_CWFOFR", "Speech: generic pedestrian voice CWFOFR", "", 4577654, R::NotVehicle}, // 463
    {"SPC_GA", "SPC_GA_CWFOHB", "Speech: generic pedestrian voice CWFOHB", "", 4395548, R::NotVehicle}, // 464
    {"SPC_GA", "SPC_GA_CWFYFR1", "Speech: generic pedestrian voice CWFYFR1", "", 6794480, R::NotVehicle}, // 465
    {"SPC_GA", "SPC_GA_CWFYFR2", "Speech: generic pedestrian voice CWFYFR2", "", 5148236, R::NotVehicle}, // 466
    {"SPC_GA", "SPC_GA_CWFYHB1", "Speech: generic pedestrian voice CWFYHB1", "", 5680698, R::NotVehicle}, // 467
    {"SPC_GA", "SPC_GA_CWMOFR1", "Speech: generic pedestrian voice CWMOFR1", "", 6380998, R::NotVehicle}, // 468
    {"SPC_GA", "SPC_GA_CWMOHB1", "Speech: generic pedestrian voice CWMOHB1", "", 2840884, R::NotVehicle}, // 469
    {"SPC_GA", "SPC_GA_CWMOHB2", "Speech: generic pedestrian voice CWMOHB2", "", 4558404, R::NotVehicle}, // 470
    {"SPC_GA", "SPC_GA_CWMYFR", "Speech: generic pedestrian voice CWMYFR", "", 6281518, R::NotVehicle}, // 471
    {"SPC_GA", "SPC_GA_CWMYHB1", "Speech: generic pedestrian voice CWMYHB1", "", 4535748, R::NotVehicle}, // 472
    {"SPC_GA", "SPC_GA_CWMYHB2", "Speech: generic pedestrian voice CWMYHB2", "", 3789796, R::NotVehicle}, // 473
    {"SPC_GA", "SPC_GA_DNFOLC1", "Speech: generic pedestrian voice DNFOLC1", "", 4847794, R::NotVehicle}, // 474
    {"SPC_GA", "SPC_GA_DNFOLC2", "Speech: generic pedestrian voice DNFOLC2", "", 4588374, R::NotVehicle}, // 475
    {"SPC_GA", "SPC_GA_DNFYLC", "Speech: generic pedestrian voice DNFYLC", "", 6528566, R::NotVehicle}, // 476
    {"SPC_GA", "SPC_GA_DNMOLC1", "Speech: generic pedestrian voice DNMOLC1", "", 5522146, R::NotVehicle}, // 477
    {"SPC_GA", "SPC_GA_DNMOLC2", "Speech: generic pedestrian voice DNMOLC2", "", 5991264, R::NotVehicle}, // 478
    {"SPC_GA", "SPC_GA_DNMYLC", "Speech: generic pedestrian voice DNMYLC", "", 4417166, R::NotVehicle}, // 479
    {"SPC_GA", "SPC_GA_DWFOLC", "Speech: generic pedestrian voice DWFOLC", "", 6546458, R::NotVehicle}, // 480
    {"SPC_GA", "SPC_GA_DWFYLC1", "Speech: generic pedestrian voice DWFYLC1", "", 7786670, R::NotVehicle}, // 481
    {"SPC_GA", "SPC_GA_DWFYLC2", "Speech: generic pedestrian voice DWFYLC2", "", 6635256, R::NotVehicle}, // 482
    {"SPC_GA", "SPC_GA_DWMOLC1", "Speech: generic pedestrian voice DWMOLC1", "", 4870334, R::NotVehicle}, // 483
    {"SPC_GA", "SPC_GA_DWMOLC2", "Speech: generic pedestrian voice DWMOLC2", "", 3050002, R::NotVehicle}, // 484
    {"SPC_GA", "SPC_GA_DWMYLC1", "Speech: generic pedestrian voice DWMYLC1", "", 4986872, R::NotVehicle}, // 485
    {"SPC_GA", "SPC_GA_DWMYLC2", "Speech: generic pedestrian voice DWMYLC2", "", 7873858, R::NotVehicle}, // 486
    {"SPC_GA", "SPC_GA_HFORI", "Speech: generic pedestrian voice HFORI", "", 5587580, R::NotVehicle}, // 487
    {"SPC_GA", "SPC_GA_HFOST", "Speech: generic pedestrian voice HFOST", "", 7017796, R::NotVehicle}, // 488
    {"SPC_GA", "SPC_GA_HFYBE", "Speech: generic pedestrian voice HFYBE", "", 4862946, R::NotVehicle}, // 489
    {"SPC_GA", "SPC_GA_HFYPRO", "Speech: generic pedestrian voice HFYPRO", "", 8020888, R::NotVehicle}, // 490
    {"SPC_GA", "SPC_GA_HFYRI", "Speech: generic pedestrian voice HFYRI", "", 8741932, R::NotVehicle}, // 491
    {"SPC_GA", "SPC_GA_HFYST", "Speech: generic pedestrian voice HFYST", "", 8569500, R::NotVehicle}, // 492
    {"SPC_GA", "SPC_GA_HMORI", "Speech: generic pedestrian voice HMORI", "", 9317338, R::NotVehicle}, // 493
    {"SPC_GA", "SPC_GA_HMOST", "Speech: generic pedestrian voice HMOST", "", 7874716, R::NotVehicle}, // 494
    {"SPC_GA", "SPC_GA_HMYBE", "Speech: generic pedestrian voice HMYBE", "", 4819050, R::NotVehicle}, // 495
    {"SPC_GA", "SPC_GA_HMYCM", "Speech: generic pedestrian voice HMYCM", "", 537164, R::NotVehicle}, // 496
    {"SPC_GA", "SPC_GA_HMYCR", "Speech: generic pedestrian voice HMYCR", "", 6576128, R::NotVehicle}, // 497
    {"SPC_GA", "SPC_GA_HMYDRUG", "Speech: generic pedestrian voice HMYDRUG", "", 5831100, R::NotVehicle}, // 498
    {"SPC_GA", "SPC_GA_HMYRI", "Speech: generic pedestrian voice HMYRI", "", 7357012, R::NotVehicle}, // 499
    {"SPC_GA", "SPC_GA_HMYST", "Speech: generic pedestrian voice HMYST", "", 4924736, R::NotVehicle}, // 500
    {"SPC_GA", "SPC_GA_IMYST", "Speech: generic pedestrian voice IMYST", "", 4870894, R::NotVehicle}, // 501
    {"SPC_GA", "SPC_GA_IRFYST", "Speech: generic pedestrian voice IRFYST", "", 3801020, R::NotVehicle}, // 502
    {"SPC_GA", "SPC_GA_IRMYST", "Speech: generic pedestrian voice IRMYST", "", 3907800, R::NotVehicle}, // 503
    {"SPC_GA", "SPC_GA_MAFFA", "Speech: generic pedestrian voice MAFFA", "", 505244, R::NotVehicle}, // 504
    {"SPC_GA", "SPC_GA_MAFFB", "Speech: generic pedestrian voice MAFFB", "", 422496, R::NotVehicle}, // 505
    {"SPC_GA", "SPC_GA_MALE01", "Speech: generic pedestrian voice MALE01", "", 11781280, R::NotVehicle}, // 506
    {"SPC_GA", "SPC_GA_NOVOICE", "Speech: generic pedestrian voice NOVOICE", "", 17640, R::NotVehicle}, // 507
    {"SPC_GA", "SPC_GA_OFORI", "Speech: generic pedestrian voice OFORI", "", 4350972, R::NotVehicle}, // 508
    {"SPC_GA", "SPC_GA_OFOST", "Speech: generic pedestrian voice OFOST", "", 6734790, R::NotVehicle}, // 509
    {"SPC_GA", "SPC_GA_OFYRI", "Speech: generic pedestrian voice OFYRI", "", 7361160, R::NotVehicle}, // 510
    {"SPC_GA", "SPC_GA_OFYST", "Speech: generic pedestrian voice OFYST", "", 9243558, R::NotVehicle}, // 511
    {"SPC_GA", "SPC_GA_OMOBOAT", "Speech: generic pedestrian voice OMOBOAT", "", 368216, R::NotVehicle}, // 512
    {"SPC_GA", "SPC_GA_OMOKUNG", "Speech: generic pedestrian voice OMOKUNG", "", 850568, R::NotVehicle}, // 513
    {"SPC_GA", "SPC_GA_OMORI", "Speech: generic pedestrian voice OMORI", "", 9034796, R::NotVehicle}, // 514
    {"SPC_GA", "SPC_GA_OMOST", "Speech: generic pedestrian voice OMOST", "", 2857298, R::NotVehicle}, // 515
    {"SPC_GA", "SPC_GA_OMYRI", "Speech: generic pedestrian voice OMYRI", "", 7515020, R::NotVehicle}, // 516
    {"SPC_GA", "SPC_GA_OMYST", "Speech: generic pedestrian voice OMYST", "", 7410966, R::NotVehicle}, // 517
    {"SPC_GA", "SPC_GA_SBFORI", "Speech: generic pedestrian voice SBFORI", "", 7723612, R::NotVehicle}, // 518
    {"SPC_GA", "SPC_GA_SBFOST", "Speech: generic pedestrian voice SBFOST", "", 7233970, R::NotVehicle}, // 519
    {"SPC_GA", "SPC_GA_SBFYPRO", "Speech: generic pedestrian voice SBFYPRO", "", 4864806, R::NotVehicle}, // 520
    {"SPC_GA", "SPC_GA_SBFYRI", "Speech: generic pedestrian voice SBFYRI", "", 4168014, R::NotVehicle}, // 521
    {"SPC_GA", "SPC_GA_SBFYST", "Speech: generic pedestrian voice SBFYST", "", 6390080, R::NotVehicle}, // 522
    {"SPC_GA", "SPC_GA_SBFYSTR", "Speech: generic pedestrian voice SBFYSTR", "", 565698, R::NotVehicle}, // 523
    {"SPC_GA", "SPC_GA_SBMOCD", "Speech: generic pedestrian voice SBMOCD", "", 2525404, R::NotVehicle}, // 524
    {"SPC_GA", "SPC_GA_SBMORI", "Speech: generic pedestrian voice SBMORI", "", 7095464, R::NotVehicle}, // 525
    {"SPC_GA", "SPC_GA_SBMOST", "Speech: generic pedestrian voice SBMOST", "", 7068372, R::NotVehicle}, // 526
    {"SPC_GA", "SPC_GA_SBMOTR1", "Speech: generic pedestrian voice SBMOTR1", "", 6003322, R::NotVehicle}, // 527
    {"SPC_GA", "SPC_GA_SBMOTR2", "Speech: generic pedestrian voice SBMOTR2", "", 4727836, R::NotVehicle}, // 528
    {"SPC_GA", "SPC_GA_SBMYCR", "Speech: generic pedestrian voice SBMYCR", "", 8062040, R::NotVehicle}, // 529
    {"SPC_GA", "SPC_GA_SBMYRI", "Speech: generic pedestrian voice SBMYRI", "", 7923418, R::NotVehicle}, // 530
    {"SPC_GA", "SPC_GA_SBMYST", "Speech: generic pedestrian voice SBMYST", "", 7468994, R::NotVehicle}, // 531
    {"SPC_GA", "SPC_GA_SBMYTR3", "Speech: generic pedestrian voice SBMYTR3", "", 5262338, R::NotVehicle}, // 532
    {"SPC_GA", "SPC_GA_SFYPRO", "Speech: generic pedestrian voice SFYPRO", "", 6980478, R::NotVehicle}, // 533
    {"SPC_GA", "SPC_GA_SHFYPRO", "Speech: generic pedestrian voice SHFYPRO", "", 8359038, R::NotVehicle}, // 534
    {"SPC_GA", "SPC_GA_SHMYCR", "Speech: generic pedestrian voice SHMYCR", "", 8219482, R::NotVehicle}, // 535
    {"SPC_GA", "SPC_GA_SMYST", "Speech: generic pedestrian voice SMYST", "", 6602016, R::NotVehicle}, // 536
    {"SPC_GA", "SPC_GA_SMYST2", "Speech: generic pedestrian voice SMYST2", "", 5314200, R::NotVehicle}, // 537
    {"SPC_GA", "SPC_GA_SOFORI", "Speech: generic pedestrian voice SOFORI", "", 3279244, R::NotVehicle}, // 538
    {"SPC_GA", "SPC_GA_SOFOST", "Speech: generic pedestrian voice SOFOST", "", 8396034, R::NotVehicle}, // 539
    {"SPC_GA", "SPC_GA_SOFYBU", "Speech: generic pedestrian voice SOFYBU", "", 5915908, R::NotVehicle}, // 540
    {"SPC_GA", "SPC_GA_SOFYRI", "Speech: generic pedestrian voice SOFYRI", "", 5013122, R::NotVehicle}, // 541
    {"SPC_GA", "SPC_GA_SOFYST", "Speech: generic pedestrian voice SOFYST", "", 7332690, R::NotVehicle}, // 542
    {"SPC_GA", "SPC_GA_SOMOBU", "Speech: generic pedestrian voice SOMOBU", "", 3574182, R::NotVehicle}, // 543
    {"SPC_GA", "SPC_GA_SOMORI", "Speech: generic pedestrian voice SOMORI", "", 7112820, R::NotVehicle}, // 544
    {"SPC_GA", "SPC_GA_SOMOST", "Speech: generic pedestrian voice SOMOST", "", 8675938, R::NotVehicle}, // 545
    {"SPC_GA", "SPC_GA_SOMYAP", "Speech: generic pedestrian voice SOMYAP", "", 6684308, R::NotVehicle}, // 546
    {"SPC_GA", "SPC_GA_SOMYBU", "Speech: generic pedestrian voice SOMYBU", "", 4437324, R::NotVehicle}, // 547
    {"SPC_GA", "SPC_GA_SOMYRI", "Speech: generic pedestrian voice SOMYRI", "", 4616166, R::NotVehicle}, // 548
    {"SPC_GA", "SPC_GA_SOMYST", "Speech: generic pedestrian voice SOMYST", "", 6046068, R::NotVehicle}, // 549
    {"SPC_GA", "SPC_GA_SWFOPRO", "Speech: generic pedestrian voice SWFOPRO", "", 7389850, R::NotVehicle}, // 550
    {"SPC_GA", "SPC_GA_SWFORI", "Speech: generic pedestrian voice SWFORI", "", 5426262, R::NotVehicle}, // 551
    {"SPC_GA", "SPC_GA_SWFOST", "Speech: generic pedestrian voice SWFOST", "", 7613334, R::NotVehicle}, // 552
    {"SPC_GA", "SPC_GA_SWFYRI", "Speech: generic pedestrian voice SWFYRI", "", 8880022, R::NotVehicle}, // 553
    {"SPC_GA", "SPC_GA_SWFYST", "Speech: generic pedestrian voice SWFYST", "", 8772222, R::NotVehicle}, // 554
    {"SPC_GA", "SPC_GA_SWFYSTR", "Speech: generic pedestrian voice SWFYSTR", "", 517054, R::NotVehicle}, // 555
    {"SPC_GA", "SPC_GA_SWMOCD", "Speech: generic pedestrian voice SWMOCD", "", 2922266, R::NotVehicle}, // 556
    {"SPC_GA", "SPC_GA_SWMORI", "Speech: generic pedestrian voice SWMORI", "", 3961110, R::NotVehicle}, // 557
    {"SPC_GA", "SPC_GA_SWMOST", "Speech: generic pedestrian voice SWMOST", "", 6852158, R::NotVehicle}, // 558
    {"SPC_GA", "SPC_GA_SWMOTR1", "Speech: generic pedestrian voice SWMOTR1", "", 6602798, R::NotVehicle}, // 559
    {"SPC_GA", "SPC_GA_SWMOTR2", "Speech: generic pedestrian voice SWMOTR2", "", 4861938, R::NotVehicle}, // 560
    {"SPC_GA", "SPC_GA_SWMOTR3", "Speech: generic pedestrian voice SWMOTR3", "", 5329372, R::NotVehicle}, // 561
    {"SPC_GA", "SPC_GA_SWMOTR4", "Speech: generic pedestrian voice SWMOTR4", "", 6100220, R::NotVehicle}, // 562
    {"SPC_GA", "SPC_GA_SWMOTR5", "Speech: generic pedestrian voice SWMOTR5", "", 6559150, R::NotVehicle}, // 563
    {"SPC_GA", "SPC_GA_SWMYCR", "Speech: generic pedestrian voice SWMYCR", "", 8031888, R::NotVehicle}, // 564
    {"SPC_GA", "SPC_GA_SWMYHP1", "Speech: generic pedestrian voice SWMYHP1", "", 6814522, R::NotVehicle}, // 565
    {"SPC_GA", "SPC_GA_SWMYHP2", "Speech: generic pedestrian voice SWMYHP2", "", 5774448, R::NotVehicle}, // 566
    {"SPC_GA", "SPC_GA_SWMYRI", "Speech: generic pedestrian voice SWMYRI", "", 6992234, R::NotVehicle}, // 567
    {"SPC_GA", "SPC_GA_SWMYST", "Speech: generic pedestrian voice SWMYST", "", 8017548, R::NotVehicle}, // 568
    {"SPC_GA", "SPC_GA_VBFYPRO", "Speech: generic pedestrian voice VBFYPRO", "", 5743942, R::NotVehicle}, // 569
    {"SPC_GA", "SPC_GA_VBFYST2", "Speech: generic pedestrian voice VBFYST2", "", 675700, R::NotVehicle}, // 570
    {"SPC_GA", "SPC_GA_VBMOCD", "Speech: generic pedestrian voice VBMOCD", "", 2889506, R::NotVehicle}, // 571
    {"SPC_GA", "SPC_GA_VBMYCR", "Speech: generic pedestrian voice VBMYCR", "", 9121850, R::NotVehicle}, // 572
    {"SPC_GA", "SPC_GA_VBMYELV", "Speech: generic pedestrian voice VBMYELV", "", 5542734, R::NotVehicle}, // 573
    {"SPC_GA", "SPC_GA_VHFYPRO", "Speech: generic pedestrian voice VHFYPRO", "", 8274812, R::NotVehicle}, // 574
    {"SPC_GA", "SPC_GA_VHFYST3", "Speech: generic pedestrian voice VHFYST3", "", 619520, R::NotVehicle}, // 575
    {"SPC_GA", "SPC_GA_VHMYCR", "Speech: generic pedestrian voice VHMYCR", "", 8439620, R::NotVehicle}, // 576
    {"SPC_GA", "SPC_GA_VHMYELV", "Speech: generic pedestrian voice VHMYELV", "", 5658306, R::NotVehicle}, // 577
    {"SPC_GA", "SPC_GA_VIMYELV", "Speech: generic pedestrian voice VIMYELV", "", 6847888, R::NotVehicle}, // 578
    {"SPC_GA", "SPC_GA_VWFYPRO", "Speech: generic pedestrian voice VWFYPRO", "", 7607090, R::NotVehicle}, // 579
    {"SPC_GA", "SPC_GA_VWFYST1", "Speech: generic pedestrian voice VWFYST1", "", 600456, R::NotVehicle}, // 580
    {"SPC_GA", "SPC_GA_VWFYWAI", "Speech: generic pedestrian voice VWFYWAI", "", 866074, R::NotVehicle}, // 581
    {"SPC_GA", "SPC_GA_VWMOTR1", "Speech: generic pedestrian voice VWMOTR1", "", 6289308, R::NotVehicle}, // 582
    {"SPC_GA", "SPC_GA_VWMOTR2", "Speech: generic pedestrian voice VWMOTR2", "", 4855434, R::NotVehicle}, // 583
    {"SPC_GA", "SPC_GA_VWMYAP", "Speech: generic pedestrian voice VWMYAP", "", 4644302, R::NotVehicle}, // 584
    {"SPC_GA", "SPC_GA_VWMYBJD", "Speech: generic pedestrian voice VWMYBJD", "", 374542, R::NotVehicle}, // 585
    {"SPC_GA", "SPC_GA_VWMYCD", "Speech: generic pedestrian voice VWMYCD", "", 2720814, R::NotVehicle}, // 586
    {"SPC_GA", "SPC_GA_VWMYCR", "Speech: generic pedestrian voice VWMYCR", "", 6914608, R::NotVehicle}, // 587
    {"SPC_GA", "SPC_GA_WFOPJ", "Speech: generic pedestrian voice WFOPJ", "", 263780, R::NotVehicle}, // 588
    {"SPC_GA", "SPC_GA_WFORI", "Speech: generic pedestrian voice WFORI", "", 7349214, R::NotVehicle}, // 589
    {"SPC_GA", "SPC_GA_WFOST", "Speech: generic pedestrian voice WFOST", "", 6419358, R::NotVehicle}, // 590
    {"SPC_GA", "SPC_GA_WFYBE", "Speech: generic pedestrian voice WFYBE", "", 4919114, R::NotVehicle}, // 591
    {"SPC_GA", "SPC_GA_WFYBU", "Speech: generic pedestrian voice WFYBU", "", 8360462, R::NotVehicle}, // 592
    {"SPC_GA", "SPC_GA_WFYCRK", "Speech: generic pedestrian voice WFYCRK", "", 281998, R::NotVehicle}, // 593
    {"SPC_GA", "SPC_GA_WFYCRP", "Speech: generic pedestrian voice WFYCRP", "", 452342, R::NotVehicle}, // 594
    {"SPC_GA", "SPC_GA_WFYJG", "Speech: generic pedestrian voice WFYJG", "", 3134470, R::NotVehicle}, // 595
    {"SPC_GA", "SPC_GA_WFYLG", "Speech: generic pedestrian voice WFYLG", "", 4521976, R::NotVehicle}, // 596
    {"SPC_GA", "SPC_GA_WFYPRO", "Speech: generic pedestrian voice WFYPRO", "", 7359280, R::NotVehicle}, // 597
    {"SPC_GA", "SPC_GA_WFYRI", "Speech: generic pedestrian voice WFYRI", "", 9166214, R::NotVehicle}, // 598
    {"SPC_GA", "SPC_GA_WFYRO", "Speech: generic pedestrian voice WFYRO", "", 6510124, R::NotVehicle}, // 599
    {"SPC_GA", "SPC_GA_WFYST", "Speech: generic pedestrian voice WFYST", "", 7320970, R::NotVehicle}, // 600
    {"SPC_GA", "SPC_GA_WFYSTEW", "Speech: generic pedestrian voice WFYSTEW", "", 1017126, R::NotVehicle}, // 601
    {"SPC_GA", "SPC_GA_WMOMIB", "Speech: generic pedestrian voice WMOMIB", "", 1277736, R::NotVehicle}, // 602
    {"SPC_GA", "SPC_GA_WMOPJ", "Speech: generic pedestrian voice WMOPJ", "", 313752, R::NotVehicle}, // 603
    {"SPC_GA", "SPC_GA_WMOPREA", "Speech: generic pedestrian voice WMOPREA", "", 502798, R::NotVehicle}, // 604
    {"SPC_GA", "SPC_GA_WMORI", "Speech: generic pedestrian voice WMORI", "", 6247080, R::NotVehicle}, // 605
    {"SPC_GA", "SPC_GA_WMOSCI", "Speech: generic pedestrian voice WMOSCI", "", 1062222, R::NotVehicle}, // 606
    {"SPC_GA", "SPC_GA_WMOST", "Speech: generic pedestrian voice WMOST", "", 7745196, R::NotVehicle}, // 607
    {"SPC_GA", "SPC_GA_WMOTR1", "Speech: generic pedestrian voice WMOTR1", "", 6867502, R::NotVehicle}, // 608
    {"SPC_GA", "SPC_GA_WMYBE", "Speech: generic pedestrian voice WMYBE", "", 3766616, R::NotVehicle}, // 609
    {"SPC_GA", "SPC_GA_WMYBMX", "Speech: generic pedestrian voice WMYBMX", "", 1650734, R::NotVehicle}, // 610
    {"SPC_GA", "SPC_GA_WMYBOUN", "Speech: generic pedestrian voice WMYBOUN", "", 2660778, R::NotVehicle}, // 611
    {"SPC_GA", "SPC_GA_WMYBOX", "Speech: generic pedestrian voice WMYBOX", "", 1385298, R::NotVehicle}, // 612
    {"SPC_GA", "SPC_GA_WMYBP", "Speech: generic pedestrian voice WMYBP", "", 3959762, R::NotVehicle}, // 613
    {"SPC_GA", "SPC_GA_WMYBU", "Speech: generic pedestrian voice WMYBU", "", 7131426, R::NotVehicle}, // 614
    {"SPC_GA", "SPC_GA_WMYCD1", "Speech: generic pedestrian voice WMYCD1", "", 3802772, R::NotVehicle}, // 615
    {"SPC_GA", "SPC_GA_WMYCD2", "Speech: generic pedestrian voice WMYCD2", "", 3869442, R::NotVehicle}, // 616
    {"SPC_GA", "SPC_GA_WMYCH", "Speech: generic pedestrian voice WMYCH", "", 1614034, R::NotVehicle}, // 617
    {"SPC_GA", "SPC_GA_WMYCON", "Speech: generic pedestrian voice WMYCON", "", 8012460, R::NotVehicle}, // 618
    {"SPC_GA", "SPC_GA_WMYCONB", "Speech: generic pedestrian voice WMYCONB", "", 7068402, R::NotVehicle}, // 619
    {"SPC_GA", "SPC_GA_WMYCR", "Speech: generic pedestrian voice WMYCR", "", 7645408, R::NotVehicle}, // 620
    {"SPC_GA", "SPC_GA_WMYDRUG", "Speech: generic pedestrian voice WMYDRUG", "", 4889890, R::NotVehicle}, // 621
    {"SPC_GA", "SPC_GA_WMYGAR", "Speech: generic pedestrian voice WMYGAR", "", 1241900, R::NotVehicle}, // 622
    {"SPC_GA", "SPC_GA_WMYGOL1", "Speech: generic pedestrian voice WMYGOL1", "", 2433796, R::NotVehicle}, // 623
    {"SPC_GA", "SPC_GA_WMYGOL2", "Speech: generic pedestrian voice WMYGOL2", "", 2162860, R::NotVehicle}, // 624
    {"SPC_GA", "SPC_GA_WMYJG", "Speech: generic pedestrian voice WMYJG", "", 1950966, R::NotVehicle}, // 625
    {"SPC_GA", "SPC_GA_WMYLG", "Speech: generic pedestrian voice WMYLG", "", 654470, R::NotVehicle}, // 626
    {"SPC_GA", "SPC_GA_WMYMECH", "Speech: generic pedestrian voice WMYMECH", "", 2042844, R::NotVehicle}, // 627
    {"SPC_GA", "SPC_GA_WMYMOUN", "Speech: generic pedestrian voice WMYMOUN", "", 1121328, R::NotVehicle}, // 628
    {"SPC_GA", "SPC_GA_WMYPLT", "Speech: generic pedestrian voice WMYPLT", "", 994856, R::NotVehicle}, // 629
    {"SPC_GA", "SPC_GA_WMYRI", "Speech: generic pedestrian voice WMYRI", "", 5522438, R::NotVehicle}, // 630
    {"SPC_GA", "SPC_GA_WMYRO", "Speech: generic pedestrian voice WMYRO", "", 2116700, R::NotVehicle}, // 631
    {"SPC_GA", "SPC_GA_WMYSGRD", "Speech: generic pedestrian voice WMYSGRD", "", 2418180, R::NotVehicle}, // 632
    {"SPC_GA", "SPC_GA_WMYSKAT", "Speech: generic pedestrian voice WMYSKAT", "", 2148404, R::NotVehicle}, // 633
    {"SPC_GA", "SPC_GA_WMYST", "Speech: generic pedestrian voice WMYST", "", 6480348, R::NotVehicle}, // 634
    {"SPC_GA", "SPC_GA_WMYTX1", "Speech: generic pedestrian voice WMYTX1", "", 5320974, R::NotVehicle}, // 635
    {"SPC_GA", "SPC_GA_WMYTX2", "Speech: generic pedestrian voice WMYTX2", "", 6808998, R::NotVehicle}, // 636
    {"SPC_GA", "SPC_GA_WMYVA", "Speech: generic pedestrian voice WMYVA", "", 1483664, R::NotVehicle}, // 637
    {"SPC_NA", "SPC_NA_BALLAS1", "Speech: gang/mission character voice BALLAS1", "", 12186438, R::NotVehicle}, // 638
    {"SPC_NA", "SPC_NA_BALLAS2", "Speech: gang/mission character voice BALLAS2", "", 11125782, R::NotVehicle}, // 639
    {"SPC_NA", "SPC_NA_BALLAS3", "Speech: gang/mission character voice BALLAS3", "", 9413600, R::NotVehicle}, // 640
    {"SPC_NA", "SPC_NA_BALLAS4", "Speech: gang/mission character voice BALLAS4", "", 10377142, R::NotVehicle}, // 641
    {"SPC_NA", "SPC_NA_BALLAS5", "Speech: gang/mission character voice BALLAS5", "", 11086074, R::NotVehicle}, // 642
    {"SPC_NA", "SPC_NA_BIG_BEAR", "Speech: gang/mission character voice BIG_BEAR", "", 2649572, R::NotVehicle}, // 643
    {"SPC_NA", "SPC_NA_CESAR", "Speech: gang/mission character voice CESAR", "", 6601154, R::NotVehicle}, // 644
    {"SPC_NA", "SPC_NA_DNB1", "Speech: gang/mission character voice DNB1", "", 11462698, R::NotVehicle}, // 645
    {"SPC_NA", "SPC_NA_DNB2", "Speech: gang/mission character voice DNB2", "", 9836268, R::NotVehicle}, // 646
    {"SPC_NA", "SPC_NA_DNB3", "Speech: gang/mission character voice DNB3", "", 11276408, R::NotVehicle}, // 647
    {"SPC_NA", "SPC_NA_DNB5", "Speech: gang/mission character voice DNB5", "", 12036738, R::NotVehicle}, // 648
    {"SPC_NA", "SPC_NA_DWAINE", "Speech: gang/mission character voice DWAINE", "", 1581700, R::NotVehicle}, // 649
    {"SPC_NA", "SPC_NA_FAM1", "Speech: gang/mission character voice FAM1", "", 11638996, R::NotVehicle}, // 650
    {"SPC_NA", "SPC_NA_FAM2", "Speech: gang/mission character voice FAM2", "", 13927178, R::NotVehicle}, // 651
    {"SPC_NA", "SPC_NA_FAM3", "Speech: gang/mission character voice FAM3", "", 13593082, R::NotVehicle}, // 652
    {"SPC_NA", "SPC_NA_FAM4", "Speech: gang/mission character voice FAM4", "", 12666386, R::NotVehicle}, // 653
    {"SPC_NA", "SPC_NA_FAM5", "Speech: gang/mission character voice FAM5", "", 13481830, R::NotVehicle}, // 654
    {"SPC_NA", "SPC_NA_JIZZY", "Speech: gang/mission character voice JIZZY", "", 1315296, R::NotVehicle}, // 655
    {"SPC_NA", "SPC_NA_LSV1", "Speech: gang/mission character voice LSV1", "", 12647708, R::NotVehicle}, // 656
    {"SPC_NA", "SPC_NA_LSV2", "Speech: gang/mission character voice LSV2", "", 12478928, R::NotVehicle}, // 657
    {"SPC_NA", "SPC_NA_LSV3", "Speech: gang/mission character voice LSV3", "", 14677810, R::NotVehicle}, // 658
    {"SPC_NA", "SPC_NA_LSV4", "Speech: gang/mission character voice LSV4", "", 11959462, R::NotVehicle}, // 659
    {"SPC_NA", "SPC_NA_LSV5", "Speech: gang/mission character voice LSV5", "", 12861574, R::NotVehicle}, // 660
    {"SPC_NA", "SPC_NA_MACCER", "Speech: gang/mission character voice MACCER", "", 1698634, R::NotVehicle}, // 661
    {"SPC_NA", "SPC_NA_MAFBOSS", "Speech: gang/mission character voice MAFBOSS", "", 1056054, R::NotVehicle}, // 662
    {"SPC_NA", "SPC_NA_OGLOC", "Speech: gang/mission character voice OGLOC", "", 987180, R::NotVehicle}, // 663
    {"SPC_NA", "SPC_NA_RYDER", "Speech: gang/mission character voice RYDER", "", 3617444, R::NotVehicle}, // 664
    {"SPC_NA", "SPC_NA_SFR1", "Speech: gang/mission character voice SFR1", "", 13959702, R::NotVehicle}, // 665
    {"SPC_NA", "SPC_NA_SFR2", "Speech: gang/mission character voice SFR2", "", 11507048, R::NotVehicle}, // 666
    {"SPC_NA", "SPC_NA_SFR3", "Speech: gang/mission character voice SFR3", "", 9729646, R::NotVehicle}, // 667
    {"SPC_NA", "SPC_NA_SFR4", "Speech: gang/mission character voice SFR4", "", 7789056, R::NotVehicle}, // 668
    {"SPC_NA", "SPC_NA_SFR5", "Speech: gang/mission character voice SFR5", "", 11214666, R::NotVehicle}, // 669
    {"SPC_NA", "SPC_NA_SMOKE", "Speech: gang/mission character voice SMOKE", "", 3051326, R::NotVehicle}, // 670
    {"SPC_NA", "SPC_NA_STRI1", "Speech: gang/mission character voice STRI1", "", 4090320, R::NotVehicle}, // 671
    {"SPC_NA", "SPC_NA_STRI2", "Speech: gang/mission character voice STRI2", "", 4760384, R::NotVehicle}, // 672
    {"SPC_NA", "SPC_NA_STRI4", "Speech: gang/mission character voice STRI4", "", 5059818, R::NotVehicle}, // 673
    {"SPC_NA", "SPC_NA_STRI5", "Speech: gang/mission character voice STRI5", "", 5484480, R::NotVehicle}, // 674
    {"SPC_NA", "SPC_NA_SWEET", "Speech: gang/mission character voice SWEET", "", 3865534, R::NotVehicle}, // 675
    {"SPC_NA", "SPC_NA_TBONE", "Speech: gang/mission character voice TBONE", "", 2374032, R::NotVehicle}, // 676
    {"SPC_NA", "SPC_NA_TORENO", "Speech: gang/mission character voice TORENO", "", 1386312, R::NotVehicle}, // 677
    {"SPC_NA", "SPC_NA_TRUTH", "Speech: gang/mission character voice TRUTH", "", 3109130, R::NotVehicle}, // 678
    {"SPC_NA", "SPC_NA_VLA1", "Speech: gang/mission character voice VLA1", "", 13678214, R::NotVehicle}, // 679
    {"SPC_NA", "SPC_NA_VLA2", "Speech: gang/mission character voice VLA2", "", 14333334, R::NotVehicle}, // 680
    {"SPC_NA", "SPC_NA_VLA3", "Speech: gang/mission character voice VLA3", "", 11402434, R::NotVehicle}, // 681
    {"SPC_NA", "SPC_NA_VLA4", "Speech: gang/mission character voice VLA4", "", 11964372, R::NotVehicle}, // 682
    {"SPC_NA", "SPC_NA_VLA5", "Speech: gang/mission character voice VLA5", "", 12677484, R::NotVehicle}, // 683
    {"SPC_NA", "SPC_NA_VMAFF1", "Speech: gang/mission character voice VMAFF1", "", 5194264, R::NotVehicle}, // 684
    {"SPC_NA", "SPC_NA_VMAFF2", "Speech: gang/mission character voice VMAFF2", "", 5211506, R::NotVehicle}, // 685
    {"SPC_NA", "SPC_NA_VMAFF3", "Speech: gang/mission character voice VMAFF3", "", 5555472, R::NotVehicle}, // 686
    {"SPC_NA", "SPC_NA_VMAFF4", "Speech: gang/mission character voice VMAFF4", "", 4770664, R::NotVehicle}, // 687
    {"SPC_NA", "SPC_NA_VMAFF5", "Speech: gang/mission character voice VMAFF5", "", 4979338, R::NotVehicle}, // 688
    {"SPC_NA", "SPC_NA_WOOZIE", "Speech: gang/mission character voice WOOZIE", "", 2642240, R::NotVehicle}, // 689
    {"SPC_PA", "SPC_PA_AG", "Speech: CJ (player) voice AG", "", 4322000, R::NotVehicle}, // 690
    {"SPC_PA", "SPC_PA_AG2", "Speech: CJ (player) voice AG2", "", 4793496, R::NotVehicle}, // 691
    {"SPC_PA", "SPC_PA_AR", "Speech: CJ (player) voice AR", "", 5601746, R::NotVehicle}, // 692
    {"SPC_PA", "SPC_PA_AR2", "Speech: CJ (player) voice AR2", "", 5507174, R::NotVehicle}, // 693
    {"SPC_PA", "SPC_PA_CD", "Speech: CJ (player) voice CD", "", 12295328, R::NotVehicle}, // 694
    {"SPC_PA", "SPC_PA_CD2", "Speech: CJ (player) voice CD2", "", 11805814, R::NotVehicle}, // 695
    {"SPC_PA", "SPC_PA_CF", "Speech: CJ (player) voice CF", "", 13863958, R::NotVehicle}, // 696
    {"SPC_PA", "SPC_PA_CF2", "Speech: CJ (player) voice CF2", "", 12297406, R::NotVehicle}, // 697
    {"SPC_PA", "SPC_PA_CG", "Speech: CJ (player) voice CG", "", 13491828, R::NotVehicle}, // 698
    {"SPC_PA", "SPC_PA_CG2", "Speech: CJ (player) voice CG2", "", 13175020, R::NotVehicle}, // 699
    {"SPC_PA", "SPC_PA_CR", "Speech: CJ (player) voice CR", "", 15609522, R::NotVehicle}, // 700
    {"SPC_PA", "SPC_PA_CR2", "Speech: CJ (player) voice CR2", "", 16837526, R::NotVehicle}, // 701
    {"SPC_PA", "SPC_PA_PG", "Speech: CJ (player) voice PG", "", 269826, R::NotVehicle}, // 702
    {"SPC_PA", "SPC_PA_PG2", "Speech: CJ (player) voice PG2", "", 276906, R::NotVehicle}, // 703
    {"SPC_PA", "SPC_PA_PR", "Speech: CJ (player) voice PR", "", 2603750, R::NotVehicle}, // 704
    {"SPC_PA", "SPC_PA_PR2", "Speech: CJ (player) voice PR2", "", 2852652, R::NotVehicle}, // 705
    {"SPC_PA", "SPC_PA_WG", "Speech: CJ (player) voice WG", "", 9864698, R::NotVehicle}, // 706
    {"SPC_PA", "SPC_PA_WG2", "Speech: CJ (player) voice WG2", "", 9134922, R::NotVehicle}, // 707
    {"SPC_PA", "SPC_PA_WR", "Speech: CJ (player) voice WR", "", 10063048, R::NotVehicle}, // 708
    {"SPC_PA", "SPC_PA_WR2", "Speech: CJ (player) voice WR2", "", 10421690, R::NotVehicle}, // 709
}};
// clang-format on

} // namespace

const TBankName* StockBankName(std::int64_t bank) {
    if (bank < 0 || bank >= StockBankCount) {
        return nullptr;
    }
    return &StockBanks[static_cast<std::size_t>(bank)];
}

TBankRole StockBankRole(std::int64_t bank) {
    const TBankName* name = StockBankName(bank);
    return name != nullptr ? name->Role : TBankRole::NotVehicle;
}

bool StockUse(std::int64_t bank, bool asPlayer) {
    const TBankName* name = StockBankName(bank);
    return name != nullptr && name->StockUsers.starts_with(asPlayer ? "P: " : "D: ");
}

} // namespace klarvon

#include "exchange/Vehicle.h"

#include "catalogue/ModelNames.h"
#include "catalogue/VehicleCatalogue.h"

namespace klarvon::exchange {

namespace {

constexpr std::string_view NoWord = "-";

} // namespace

bool TVehicle::operator==(const TVehicle& other) const {
    if (Id || other.Id) {
        return Id == other.Id;
    }
    return SameIgnoringCase(Model, other.Model);
}

TVehicle SlotVehicle(int id) {
    return {id, std::string(ModelName(id))};
}

TVehicle ModelVehicle(std::string_view model) {
    return {IdOfModelName(model), std::string(model)};
}

std::string VehicleKey(const TVehicle& vehicle) {
    if (vehicle.Id) {
        return std::to_string(*vehicle.Id);
    }
    return "model " + LowerCaseName(vehicle.Model);
}

std::string VehicleSubject(const TVehicle& vehicle) {
    if (vehicle.Id) {
        return std::to_string(*vehicle.Id) + ' ' +
               std::string(TVehicleCatalogue::Name(*vehicle.Id));
    }
    return vehicle.Model;
}

std::string VehicleIdText(const TVehicle& vehicle) {
    return vehicle.Id ? std::to_string(*vehicle.Id) : std::string(NoWord);
}

std::string VehicleModelText(const TVehicle& vehicle) {
    return vehicle.Model.empty() ? std::string(NoWord) : vehicle.Model;
}

} // namespace klarvon::exchange

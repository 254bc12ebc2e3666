#pragma once
// The main window as designed, its controls and its menu, written out once more and apart
// from ui/main/MainLayout.cpp, so that a slip in either copy shows: both window suites
// (Qt and Windows) check the built window against these tables.

namespace klarvon::test {

// What a control is, in the layer's own terms.
enum TKind { Picture, List, Panel, Group, Label, Push, Edit, Check, Radio, Slider };

inline constexpr bool On = true;
inline constexpr bool Off = false;

struct TExpectedControl {
    const char* Name;
    TKind Kind;
    const char* Parent;
    int Left, Top, Width, Height;
    const char* Caption;
    bool Enabled;
};

// Every control in creation order: kind, parent, bounds in the parent's client area,
// caption and whether it starts enabled.
inline constexpr TExpectedControl Design[] = {
    {"Image1", Picture, "Form1", 0, -136, 953, 553, "", On},
    {"ListBox1", List, "Form1", 8, 24, 185, 305, "", Off},
    {"Panel1", Panel, "Form1", 200, 8, 425, 401, "", Off},
    {"GroupBox1", Group, "Panel1", 104, 8, 105, 169, "Type of vehicle ", On},
    {"RadioButton1", Radio, "GroupBox1", 8, 16, 65, 17, "  Car", On},
    {"RadioButton2", Radio, "GroupBox1", 8, 32, 89, 17, "  MotorBike", On},
    {"RadioButton3", Radio, "GroupBox1", 8, 48, 73, 17, "  Bike", On},
    {"RadioButton4", Radio, "GroupBox1", 8, 64, 65, 17, "  Boat", On},
    {"RadioButton5", Radio, "GroupBox1", 8, 80, 89, 17, "  Helicopter", On},
    {"RadioButton6", Radio, "GroupBox1", 8, 96, 73, 17, "  Plane", On},
    {"RadioButton7", Radio, "GroupBox1", 8, 112, 73, 17, "  Train", On},
    {"RadioButton8", Radio, "GroupBox1", 8, 128, 73, 17, "  Trailer", On},
    {"RadioButton9", Radio, "GroupBox1", 8, 144, 89, 17, "  Special", On},
    {"GroupBox2", Group, "Panel1", 216, 8, 97, 169, "Engine sounds", On},
    {"Label2", Label, "GroupBox2", 8, 16, 45, 13, "Power on", On},
    {"Label3", Label, "GroupBox2", 8, 56, 45, 13, "Power off", On},
    {"Label17", Label, "GroupBox2", 8, 104, 55, 13, "Sound ID is", On},
    {"Label18", Label, "GroupBox2", 16, 120, 49, 13, "using here", On},
    {"Edit1", Edit, "GroupBox2", 8, 32, 73, 21, "", Off},
    {"Edit2", Edit, "GroupBox2", 8, 72, 73, 21, "", Off},
    {"CheckBox1", Check, "GroupBox2", 16, 144, 57, 17, "Editing", On},
    {"GroupBox4", Group, "Panel1", 320, 8, 97, 169, "Door sounds", On},
    {"Label16", Label, "GroupBox4", 8, 16, 57, 13, "Open/Close", On},
    {"RadioButton10", Radio, "GroupBox4", 8, 32, 57, 17, "Type 0", On},
    {"RadioButton11", Radio, "GroupBox4", 8, 48, 57, 17, "Type 1", On},
    {"RadioButton12", Radio, "GroupBox4", 8, 64, 57, 17, "Type 2", On},
    {"RadioButton13", Radio, "GroupBox4", 8, 80, 57, 17, "Type 3", On},
    {"RadioButton14", Radio, "GroupBox4", 8, 96, 57, 17, "Type 4", On},
    {"RadioButton15", Radio, "GroupBox4", 8, 112, 57, 17, "Type 5", On},
    {"GroupBox3", Group, "Panel1", 8, 184, 201, 209, "Horn", On},
    {"Label4", Label, "GroupBox3", 80, 16, 24, 13, "Type", On},
    {"Label5", Label, "GroupBox3", 8, 84, 21, 13, "Bike", On},
    {"Label15", Label, "GroupBox3", 168, 84, 14, 13, "No", On},
    {"Label6", Label, "GroupBox3", 16, 68, 165, 13, "0   1   2   3    4   5   6   7   8    9  10",
     On},
    {"Label7", Label, "GroupBox3", 80, 104, 25, 13, "Tone", On},
    {"Label8", Label, "GroupBox3", 16, 152, 98, 13, "Tone is float variable", On},
    {"Label9", Label, "GroupBox3", 16, 168, 180, 13, "' E-** ' =  ' x10 raised to the -** power  '",
     On},
    {"TrackBar1", Slider, "GroupBox3", 8, 32, 177, 33, "", On},
    {"Edit3", Edit, "GroupBox3", 16, 120, 161, 21, "", Off},
    {"CheckBox2", Check, "GroupBox3", 16, 184, 121, 17, "Editing", On},
    {"GroupBox5", Group, "Panel1", 216, 184, 201, 209, "Radio", On},
    {"Label19", Label, "GroupBox5", 8, 16, 80, 13, "Main radiostation", On},
    {"Label20", Label, "GroupBox5", 8, 136, 24, 13, "Type", On},
    {"RadioButton16", Radio, "GroupBox5", 8, 32, 81, 17, "PlayBack FM", On},
    {"RadioButton17", Radio, "GroupBox5", 8, 48, 81, 17, "K-Rose", On},
    {"RadioButton18", Radio, "GroupBox5", 8, 64, 81, 17, "K-DST", On},
    {"RadioButton19", Radio, "GroupBox5", 8, 80, 81, 17, "Bounce FM", On},
    {"RadioButton20", Radio, "GroupBox5", 8, 96, 81, 17, "SF-UR", On},
    {"RadioButton21", Radio, "GroupBox5", 8, 112, 81, 17, "Los Santos", On},
    {"RadioButton22", Radio, "GroupBox5", 96, 32, 81, 17, "Radio - X", On},
    {"RadioButton23", Radio, "GroupBox5", 96, 48, 81, 17, "C S R", On},
    {"RadioButton24", Radio, "GroupBox5", 96, 64, 81, 17, "K-Jah", On},
    {"RadioButton25", Radio, "GroupBox5", 96, 80, 89, 17, "Master Sounds ", On},
    {"RadioButton26", Radio, "GroupBox5", 96, 96, 65, 17, "W C T R", On},
    {"RadioButton27", Radio, "GroupBox5", 96, 112, 81, 17, "Track Player", On},
    {"RadioButton28", Radio, "GroupBox5", 96, 128, 81, 17, "Nothing", On},
    {"Panel2", Panel, "GroupBox5", 8, 152, 177, 49, "", On},
    {"RadioButton29", Radio, "Panel2", 0, 0, 169, 17, "Civilian vehicles", On},
    {"RadioButton30", Radio, "Panel2", 0, 16, 177, 17, "Noncivilian vehicles", On},
    {"RadioButton31", Radio, "Panel2", 0, 32, 177, 17, "Special vehicles", On},
    {"GroupBox6", Group, "Panel1", 8, 8, 89, 169, "Exe information", On},
    {"Label21", Label, "GroupBox6", 8, 16, 60, 13, "Size (bytes) :", On},
    {"Label22", Label, "GroupBox6", 8, 32, 6, 13, "_", On},
    {"Label23", Label, "GroupBox6", 8, 96, 65, 13, "Vehicle slots :", On},
    {"Label24", Label, "GroupBox6", 8, 112, 6, 13, "_", On},
    {"Label25", Label, "GroupBox6", 8, 56, 41, 13, "Version :", On},
    {"Label26", Label, "GroupBox6", 8, 72, 6, 13, "_", On},
    {"GroupBox7", Group, "Panel1", 424, 8, 153, 385, "Unknown variables", On},
    {"Label10", Label, "GroupBox7", 8, 16, 94, 13, "Unknown1 (Integer)", On},
    {"Label11", Label, "GroupBox7", 8, 56, 81, 13, "Unknown2 (float)", On},
    {"Label12", Label, "GroupBox7", 8, 96, 81, 13, "Unknown3 (float)", On},
    {"Label13", Label, "GroupBox7", 8, 136, 81, 13, "Unknown4 (byte)", On},
    {"Label14", Label, "GroupBox7", 8, 176, 81, 13, "Unknown5 (byte)", On},
    {"Label27", Label, "GroupBox7", 8, 216, 81, 13, "Unknown6 (byte)", On},
    {"Label28", Label, "GroupBox7", 8, 256, 94, 13, "Unknown7 (Integer)", On},
    {"Label29", Label, "GroupBox7", 8, 296, 81, 13, "Unknown8 (byte)", On},
    {"Edit4", Edit, "GroupBox7", 8, 32, 129, 21, "", Off},
    {"Edit5", Edit, "GroupBox7", 8, 72, 129, 21, "", Off},
    {"Edit6", Edit, "GroupBox7", 8, 112, 129, 21, "", Off},
    {"Edit7", Edit, "GroupBox7", 8, 152, 129, 21, "", Off},
    {"Edit8", Edit, "GroupBox7", 8, 192, 129, 21, "", Off},
    {"Edit9", Edit, "GroupBox7", 8, 232, 129, 21, "", Off},
    {"Edit10", Edit, "GroupBox7", 8, 272, 129, 21, "", Off},
    {"Edit11", Edit, "GroupBox7", 8, 312, 129, 21, "", Off},
    {"CheckBox3", Check, "GroupBox7", 8, 344, 121, 17, "Editing", On},
    {"Panel3", Panel, "Form1", 8, 336, 185, 73, "", On},
    {"Button2", Push, "Panel3", 6, 40, 91, 25, "Apply Changes", Off},
    {"Button1", Push, "Panel3", 6, 8, 91, 25, "Open gta_sa.exe", On},
    {"Button3", Push, "Panel3", 104, 8, 75, 25, "About", On},
    {"Button4", Push, "Panel3", 104, 40, 75, 25, "Exit", On},
    {"Panel4", Panel, "Form1", 8, 8, 185, 17, "", On},
    {"Label1", Label, "Panel4", 8, 2, 122, 13, "Vehicle ID , Vehicle name", On},
};

// The menu in creation order.
struct TExpectedMenuItem {
    const char* Name;
    const char* Menu; // the top-level item it drops from; empty for a top-level item
    const char* Caption;
    bool Checkable;
    bool StartsDisabled = false; // nothing to undo or check before a file is open
};

inline constexpr TExpectedMenuItem MenuDesign[] = {
    {"Programme1", "", "Actions", false},
    {"Openexe1", "Programme1", "Open exe", false},
    {"Opencfg1", "Programme1", "Open cfg", false},
    {"Saveexe1", "Programme1", "Save exe", false},
    {"Undoapply1", "Programme1", "Undo apply", false, true},
    {"Check1", "Programme1", "Check", false, true},
    {"Exit1", "Programme1", "Exit", false},
    {"Settings1", "", "Settings", false},
    {"ShowUnknown1", "Settings1", "Show Unknown", true},
    {"Sounds1", "", "Sounds", false},
    {"Testdrive1", "Sounds1", "Test drive", false},
    {"Horn1", "Sounds1", "Horn", false},
    {"Doors1", "Sounds1", "Doors", false},
    {"Stop1", "Sounds1", "Stop", false},
    {"Gamefolder1", "Sounds1", "Game folder...", false},
    {"About1", "", "Help", false},
    {"IDofEngineSound1", "About1", "ReadMe", false},
    {"Help1", "About1", "Help", false},
    {"About2", "About1", "About", false},
};

} // namespace klarvon::test

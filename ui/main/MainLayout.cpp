#include "ui/main/MainLayout.h"

#include <algorithm>

namespace klarvon {
namespace {

using K = TLayoutKind;

// Memo1 and Memo2 of the design only held data (the vehicle names, the settings text);
// the program keeps that data in code, so they have no rows.
constexpr TLayoutRow Layout[] = {
    {K::Image, "Image1", "Form1", 0, -136, 953, 553, "", NoState},
    {K::ListBox, "ListBox1", "Form1", 8, 24, 185, 305, "", Disabled | InfoColour},
    {K::Panel, "Panel1", "Form1", 200, 8, 425, 401, "", Disabled | InfoColour | LoweredBevel},
    {K::GroupBox, "GroupBox1", "Panel1", 104, 8, 105, 169, "Type of vehicle ", NoState},
    {K::RadioButton, "RadioButton1", "GroupBox1", 8, 16, 65, 17, "  Car", NoState},
    {K::RadioButton, "RadioButton2", "GroupBox1", 8, 32, 89, 17, "  MotorBike", NoState},
    {K::RadioButton, "RadioButton3", "GroupBox1", 8, 48, 73, 17, "  Bike", NoState},
    {K::RadioButton, "RadioButton4", "GroupBox1", 8, 64, 65, 17, "  Boat", NoState},
    {K::RadioButton, "RadioButton5", "GroupBox1", 8, 80, 89, 17, "  Helicopter", NoState},
    {K::RadioButton, "RadioButton6", "GroupBox1", 8, 96, 73, 17, "  Plane", NoState},
    {K::RadioButton, "RadioButton7", "GroupBox1", 8, 112, 73, 17, "  Train", NoState},
    {K::RadioButton, "RadioButton8", "GroupBox1", 8, 128, 73, 17, "  Trailer", NoState},
    {K::RadioButton, "RadioButton9", "GroupBox1", 8, 144, 89, 17, "  Special", NoState},
    {K::GroupBox, "GroupBox2", "Panel1", 216, 8, 97, 169, "Engine sounds", NoState},
    {K::Label, "Label2", "GroupBox2", 8, 16, 45, 13, "Power on", NoState},
    {K::Label, "Label3", "GroupBox2", 8, 56, 45, 13, "Power off", NoState},
    {K::Label, "Label17", "GroupBox2", 8, 104, 55, 13, "Sound ID is", NoState},
    {K::Label, "Label18", "GroupBox2", 16, 120, 49, 13, "using here", NoState},
    {K::Edit, "Edit1", "GroupBox2", 8, 32, 73, 21, "", Disabled},
    {K::Edit, "Edit2", "GroupBox2", 8, 72, 73, 21, "", Disabled},
    {K::CheckBox, "CheckBox1", "GroupBox2", 16, 144, 57, 17, "Editing", NoState},
    {K::GroupBox, "GroupBox4", "Panel1", 320, 8, 97, 169, "Door sounds", NoState},
    {K::Label, "Label16", "GroupBox4", 8, 16, 57, 13, "Open/Close", NoState},
    {K::RadioButton, "RadioButton10", "GroupBox4", 8, 32, 57, 17, "Type 0", NoState},
    {K::RadioButton, "RadioButton11", "GroupBox4", 8, 48, 57, 17, "Type 1", NoState},
    {K::RadioButton, "RadioButton12", "GroupBox4", 8, 64, 57, 17, "Type 2", NoState},
    {K::RadioButton, "RadioButton13", "GroupBox4", 8, 80, 57, 17, "Type 3", NoState},
    {K::RadioButton, "RadioButton14", "GroupBox4", 8, 96, 57, 17, "Type 4", NoState},
    {K::RadioButton, "RadioButton15", "GroupBox4", 8, 112, 57, 17, "Type 5", NoState},
    {K::GroupBox, "GroupBox3", "Panel1", 8, 184, 201, 209, "Horn", NoState},
    {K::Label, "Label4", "GroupBox3", 80, 16, 24, 13, "Type", NoState},
    {K::Label, "Label5", "GroupBox3", 8, 84, 21, 13, "Bike", NoState},
    {K::Label, "Label15", "GroupBox3", 168, 84, 14, 13, "No", NoState},
    {K::Label, "Label6", "GroupBox3", 16, 68, 165, 13,
     "0   1   2   3    4   5   6   7   8    9  10", NoState},
    {K::Label, "Label7", "GroupBox3", 80, 104, 25, 13, "Tone", NoState},
    {K::Label, "Label8", "GroupBox3", 16, 152, 98, 13, "Tone is float variable", NoState},
    {K::Label, "Label9", "GroupBox3", 16, 168, 180, 13,
     "' E-** ' =  ' x10 raised to the -** power  '", NoState},
    {K::TrackBar, "TrackBar1", "GroupBox3", 8, 32, 177, 33, "", NoState},
    {K::Edit, "Edit3", "GroupBox3", 16, 120, 161, 21, "", Disabled},
    {K::CheckBox, "CheckBox2", "GroupBox3", 16, 184, 121, 17, "Editing", NoState},
    {K::GroupBox, "GroupBox5", "Panel1", 216, 184, 201, 209, "Radio", NoState},
    {K::Label, "Label19", "GroupBox5", 8, 16, 80, 13, "Main radiostation", NoState},
    {K::Label, "Label20", "GroupBox5", 8, 136, 24, 13, "Type", NoState},
    {K::RadioButton, "RadioButton16", "GroupBox5", 8, 32, 81, 17, "PlayBack FM", NoState},
    {K::RadioButton, "RadioButton17", "GroupBox5", 8, 48, 81, 17, "K-Rose", NoState},
    {K::RadioButton, "RadioButton18", "GroupBox5", 8, 64, 81, 17, "K-DST", NoState},
    {K::RadioButton, "RadioButton19", "GroupBox5", 8, 80, 81, 17, "Bounce FM", NoState},
    {K::RadioButton, "RadioButton20", "GroupBox5", 8, 96, 81, 17, "SF-UR", NoState},
    {K::RadioButton, "RadioButton21", "GroupBox5", 8, 112, 81, 17, "Los Santos", NoState},
    {K::RadioButton, "RadioButton22", "GroupBox5", 96, 32, 81, 17, "Radio - X", NoState},
    {K::RadioButton, "RadioButton23", "GroupBox5", 96, 48, 81, 17, "C S R", NoState},
    {K::RadioButton, "RadioButton24", "GroupBox5", 96, 64, 81, 17, "K-Jah", NoState},
    {K::RadioButton, "RadioButton25", "GroupBox5", 96, 80, 89, 17, "Master Sounds ", NoState},
    {K::RadioButton, "RadioButton26", "GroupBox5", 96, 96, 65, 17, "W C T R", NoState},
    {K::RadioButton, "RadioButton27", "GroupBox5", 96, 112, 81, 17, "Track Player", NoState},
    {K::RadioButton, "RadioButton28", "GroupBox5", 96, 128, 81, 17, "Nothing", NoState},
    {K::Panel, "Panel2", "GroupBox5", 8, 152, 177, 49, "", InfoColour},
    {K::RadioButton, "RadioButton29", "Panel2", 0, 0, 169, 17, "Civilian vehicles", NoState},
    {K::RadioButton, "RadioButton30", "Panel2", 0, 16, 177, 17, "Noncivilian vehicles", NoState},
    {K::RadioButton, "RadioButton31", "Panel2", 0, 32, 177, 17, "Special vehicles", NoState},
    {K::GroupBox, "GroupBox6", "Panel1", 8, 8, 89, 169, "Exe information", NoState},
    {K::Label, "Label21", "GroupBox6", 8, 16, 60, 13, "Size (bytes) :", NoState},
    {K::Label, "Label22", "GroupBox6", 8, 32, 6, 13, "_", NoState},
    {K::Label, "Label23", "GroupBox6", 8, 96, 65, 13, "Vehicle slots :", NoState},
    {K::Label, "Label24", "GroupBox6", 8, 112, 6, 13, "_", NoState},
    {K::Label, "Label25", "GroupBox6", 8, 56, 41, 13, "Version :", NoState},
    {K::Label, "Label26", "GroupBox6", 8, 72, 6, 13, "_", NoState},
    {K::GroupBox, "GroupBox7", "Panel1", 424, 8, 153, 385, "Unknown variables", NoState},
    {K::Label, "Label10", "GroupBox7", 8, 16, 94, 13, "Unknown1 (Integer)", NoState},
    {K::Label, "Label11", "GroupBox7", 8, 56, 81, 13, "Unknown2 (float)", NoState},
    {K::Label, "Label12", "GroupBox7", 8, 96, 81, 13, "Unknown3 (float)", NoState},
    {K::Label, "Label13", "GroupBox7", 8, 136, 81, 13, "Unknown4 (byte)", NoState},
    {K::Label, "Label14", "GroupBox7", 8, 176, 81, 13, "Unknown5 (byte)", NoState},
    {K::Label, "Label27", "GroupBox7", 8, 216, 81, 13, "Unknown6 (byte)", NoState},
    {K::Label, "Label28", "GroupBox7", 8, 256, 94, 13, "Unknown7 (Integer)", NoState},
    {K::Label, "Label29", "GroupBox7", 8, 296, 81, 13, "Unknown8 (byte)", NoState},
    {K::Edit, "Edit4", "GroupBox7", 8, 32, 129, 21, "", Disabled},
    {K::Edit, "Edit5", "GroupBox7", 8, 72, 129, 21, "", Disabled},
    {K::Edit, "Edit6", "GroupBox7", 8, 112, 129, 21, "", Disabled},
    {K::Edit, "Edit7", "GroupBox7", 8, 152, 129, 21, "", Disabled},
    {K::Edit, "Edit8", "GroupBox7", 8, 192, 129, 21, "", Disabled},
    {K::Edit, "Edit9", "GroupBox7", 8, 232, 129, 21, "", Disabled},
    {K::Edit, "Edit10", "GroupBox7", 8, 272, 129, 21, "", Disabled},
    {K::Edit, "Edit11", "GroupBox7", 8, 312, 129, 21, "", Disabled},
    {K::CheckBox, "CheckBox3", "GroupBox7", 8, 344, 121, 17, "Editing", NoState},
    {K::Panel, "Panel3", "Form1", 8, 336, 185, 73, "", InfoColour | LoweredBevel},
    {K::Button, "Button2", "Panel3", 6, 40, 91, 25, "Apply Changes", Disabled},
    {K::Button, "Button1", "Panel3", 6, 8, 91, 25, "Open gta_sa.exe", NoState},
    {K::Button, "Button3", "Panel3", 104, 8, 75, 25, "About", NoState},
    {K::Button, "Button4", "Panel3", 104, 40, 75, 25, "Exit", NoState},
    {K::Panel, "Panel4", "Form1", 8, 8, 185, 17, "", InfoColour | LoweredBevel},
    {K::Label, "Label1", "Panel4", 8, 2, 122, 13, "Vehicle ID , Vehicle name", NoState},
};

constexpr TMenuRow Menu[] = {
    {"Programme1", "", "Actions", false},
    {"Openexe1", "Programme1", "Open exe", false},
    {"Opencfg1", "Programme1", "Open cfg", false},
    {"Saveexe1", "Programme1", "Save exe", false},
    {"Undoapply1", "Programme1", "Undo apply", false},
    {"Check1", "Programme1", "Check", false},
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

} // namespace

std::span<const TLayoutRow> MainLayout() {
    return Layout;
}
std::span<const TMenuRow> MainMenuLayout() {
    return Menu;
}

std::string MainCaption(int gap, std::string_view fileName, std::string_view writeMark) {
    std::string caption(CaptionTitle);
    if (!fileName.empty()) {
        caption.append(CaptionFileMark);
        caption.append(fileName);
    }
    if (!writeMark.empty()) {
        caption.append(CaptionWriteMarkGap);
        caption.append(writeMark);
    }
    // The name and the mark take their room from the run of spaces (a letter is about twice
    // as wide as a space), so the credit stays near where it was and nothing is cut. Letters
    // are counted, not bytes: a Cyrillic letter takes two bytes but no more room.
    const auto letters =
        std::count_if(caption.begin() + CaptionTitle.size(), caption.end(),
                      [](char c) { return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U; });
    const int spaces = std::max(MinCaptionGap, gap - 2 * static_cast<int>(letters));
    caption.append(static_cast<std::size_t>(spaces), ' ');
    caption.append(CaptionCredit);
    return caption;
}

} // namespace klarvon

// The main window's event handlers, one per event, as connected in TForm1::ConnectEvents.
#include "ui/main/TForm1.h"

namespace klarvon {

void TForm1::FormCreate() {}
void TForm1::ListBox1Click() {}
void TForm1::Edit1Change() {}
void TForm1::Edit2Change() {}
void TForm1::CheckBox1Click() {}
void TForm1::CheckBox2Click() {}
void TForm1::CheckBox3Click() {}
void TForm1::TrackBar1Change() {}
void TForm1::Button1Click() {}
void TForm1::Button2Click() {}
void TForm1::Button3Click() {}
void TForm1::Button4Click() {}
void TForm1::Timer1Timer() {}
void TForm1::Openexe1Click() {}
void TForm1::Saveexe1Click() {}
void TForm1::Exit1Click() {}
void TForm1::ShowUnknown1Click() {}
void TForm1::IDofEngineSound1Click() {}
void TForm1::Help1Click() {}
void TForm1::About2Click() {}

} // namespace klarvon

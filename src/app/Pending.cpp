#include "app/Form1.h"

// Handlers not yet written. Each one moves to its subsystem's folder when it is built;
// delete its line here in the same change.
namespace lumora {
void Form1::updateMissList(int, std::int16_t, const QString&, const QString&) {}
void Form1::saveMissFile() {}
void Form1::loadMissFile() {}
void Form1::不正解分_Click() {}
void Form1::不正解分リセット_Click() {}
void Form1::data_load_Click() {}
void Form1::data_save_Click() {}
void Form1::Command4_Click(int) {}
void Form1::hint_Click(int) {}
void Form1::Text1_Change() {}
}  // namespace lumora

// The record commands: saving and loading game records, and stepping back
// and forth through the move log. Not built yet: they do nothing.

#include "app/form1.h"

namespace bexoru {

void Form1::REPLAY_Click() {}
void Form1::AFTER_Click() {}
void Form1::KIFU_READ_Click() {}
void Form1::KIFU_WRITE_Click() {}
void Form1::File1_Click() {}
void Form1::Command1_Click() {}

}  // namespace bexoru

// Options, handicaps and board reversal. Not built yet: they do nothing.

#include "app/form1.h"

namespace bexoru {

void Form1::読込_環境設定ファイル() {}
void Form1::書込_環境設定ファイル() {}
void Form1::REVERSE_Click() {}
void Form1::LBEL_UP_Click() {}
void Form1::LEBEL_DOWN_Click() {}
void Form1::BGM_Click() {}

}  // namespace bexoru

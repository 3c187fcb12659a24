// The help page and the about box. Not built yet: they do nothing.

#include "app/form1.h"

namespace bexoru {

void Form1::KAISETU_Click() {}
void Form1::VER_Click() {}

}  // namespace bexoru

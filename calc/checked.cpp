#include "checked.h"

namespace checked {

void Raise(int number) { throw CalcError(number); }

}  // namespace checked

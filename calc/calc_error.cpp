#include "calc_error.h"

#include "translatable.h"

namespace {

const std::string& DescriptionOf(int number)
{
    static const std::string divisionByZero = QT_TRANSLATE_NOOP("Brivel", "ゼロによる除算が発生しました。");
    static const std::string overflow = QT_TRANSLATE_NOOP("Brivel", "オーバーフローが発生しました。");
    return number == CalcError::DivisionByZero ? divisionByZero : overflow;
}

}  // namespace

CalcError::CalcError(int number) : std::runtime_error(DescriptionOf(number)), number_(number) {}

const std::string& CalcError::description() const { return DescriptionOf(number_); }

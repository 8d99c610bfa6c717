#include "calc_error.h"

namespace {

const std::string& DescriptionOf(int number)
{
    static const std::string divisionByZero = "ゼロによる除算が発生しました。";
    static const std::string overflow = "オーバーフローが発生しました。";
    return number == CalcError::DivisionByZero ? divisionByZero : overflow;
}

}  // namespace

CalcError::CalcError(int number) : std::runtime_error(DescriptionOf(number)), number_(number) {}

const std::string& CalcError::description() const { return DescriptionOf(number_); }

#pragma once
#include <stdexcept>
#include <string>

// The run-time error of the calculation: a number and a Japanese description.
//   11  a finite non-zero number divided by zero
//    6  overflow or an invalid operation (0 / 0, log of a non-positive number)
class CalcError : public std::runtime_error {
public:
    static constexpr int DivisionByZero = 11;
    static constexpr int Overflow = 6;

    explicit CalcError(int number);
    int number() const { return number_; }
    // The description shown to the user ("ゼロによる除算が発生しました。" …), in
    // Japanese: the layers that show it translate it.
    const std::string& description() const;

private:
    int number_;
};

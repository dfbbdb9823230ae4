// VoCalc.cpp - a recursive-descent evaluator for typed arithmetic:
//
//   expression = term { ("+" | "-") term }
//   term       = factor { ("*" | "/") factor }
//   factor     = "(" expression ")" | number
//   number     = [ "+" | "-" ] number characters "0123456789.Ee"
//
// Blanks and tabs may stand between any two characters, even inside a
// number. Evaluation happens while reading; after the first error every
// step yields 0 and the result is invalid.
#include "VoCalc.h"

#include <cmath>
#include <new>
#include <string>

namespace {

// At most this many characters form one number; the rest stay unread.
const int kMaxNumberLength = 256;
// Deeper nesting of parentheses is refused instead of exhausting the stack.
const int kMaxNesting = 200;

bool IsNumberChar(char c) { return c != '\0' && strchr("0123456789.Ee", c) != nullptr; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsExponentMark(char c) { return c == 'E' || c == 'e'; }

class Evaluator {
public:
    explicit Evaluator(const char* text) : m_text(Trimmed(text)) { SkipBlanks(); }

    // The value of the whole text; *valid tells whether it was an expression.
    double Evaluate(bool* valid) {
        double value = Expression();
        if (m_pos < m_text.size()) m_valid = false;
        if (m_valid && !std::isfinite(value)) m_valid = false;
        *valid = m_valid;
        return m_valid ? value : 0.0;
    }

private:
    static std::string Trimmed(const char* text) {
        const char* blanks = " \t\r\n\v\f";
        std::string s(text);
        size_t first = s.find_first_not_of(blanks);
        if (first == std::string::npos) return std::string();
        size_t last = s.find_last_not_of(blanks);
        return s.substr(first, last - first + 1);
    }

    // The current character; '\0' at the end of the text.
    char Current() const { return m_pos < m_text.size() ? m_text[m_pos] : '\0'; }

    void SkipBlanks() {
        while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t')) ++m_pos;
    }

    // Moves to the next character and over the blanks and tabs after it.
    void Step() {
        if (m_pos < m_text.size()) ++m_pos;
        SkipBlanks();
    }

    // The character that Step() would lead to.
    char Peek() const {
        size_t p = m_pos < m_text.size() ? m_pos + 1 : m_pos;
        while (p < m_text.size() && (m_text[p] == ' ' || m_text[p] == '\t')) ++p;
        return p < m_text.size() ? m_text[p] : '\0';
    }

    double Fail() {
        m_valid = false;
        return 0.0;
    }

    double Expression() {
        double value = Term();
        while (m_valid && (Current() == '+' || Current() == '-')) {
            char op = Current();
            Step();
            double rhs = Term();
            value = op == '+' ? value + rhs : value - rhs;
        }
        return m_valid ? value : 0.0;
    }

    double Term() {
        double value = Factor();
        while (m_valid && (Current() == '*' || Current() == '/')) {
            char op = Current();
            Step();
            double rhs = Factor();
            if (!m_valid) break;
            if (op == '*') {
                value *= rhs;
            } else {
                if (rhs == 0.0 || std::isnan(rhs)) return Fail();
                value /= rhs;
            }
        }
        return m_valid ? value : 0.0;
    }

    double Factor() {
        if (Current() != '(') return Number();
        if (++m_depth > kMaxNesting) return Fail();
        Step();
        double value = Expression();
        if (Current() != ')') Fail();
        Step();
        --m_depth;
        return m_valid ? value : 0.0;
    }

    // An optional sign and up to kMaxNumberLength number characters; an
    // exponent mark counts only when a sign follows it (1E+5, not 1E5).
    double Number() {
        bool negative = false;
        if (Current() == '+' || Current() == '-') {
            negative = Current() == '-';
            Step();
        }
        if (Current() == '\0') return 0.0;
        if (!IsNumberChar(Current())) return Fail();

        std::string digits;
        while (static_cast<int>(digits.size()) < kMaxNumberLength && IsNumberChar(Current())) {
            if (IsExponentMark(Current())) {
                char sign = Peek();
                if ((sign != '+' && sign != '-') || static_cast<int>(digits.size()) + 2 > kMaxNumberLength) break;
                digits += 'e';
                Step();
                digits += sign;
                Step();
                while (static_cast<int>(digits.size()) < kMaxNumberLength && IsDigit(Current())) {
                    digits += Current();
                    Step();
                }
                continue;
            }
            digits += Current();
            Step();
        }
        double value = strtod(digits.c_str(), nullptr);
        return negative ? -value : value;
    }

    std::string m_text;
    size_t m_pos = 0;
    int m_depth = 0;
    bool m_valid = true;
};

}  // namespace

// A non-finite result (overflow, inf - inf) is no valid value either; a
// null text is no expression.
double _Calc(const char* text, int* valid) {
    bool ok = false;
    double value = 0.0;
    if (text) {
        try {
            Evaluator evaluator(text);
            value = evaluator.Evaluate(&ok);
        } catch (const std::bad_alloc&) {
            ok = false;
            value = 0.0;
        }
    }
    if (valid) *valid = ok ? 1 : 0;
    return value;
}

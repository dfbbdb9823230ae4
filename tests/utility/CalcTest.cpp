// Tests of the expression calculator and of CZeroDivException: the grammar's
// edge cases, random garbage that must never crash, and generated expressions
// checked against values computed while generating them.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "MessageBoxCapture.h"
#include "Vokit.h"

namespace {

struct Outcome {
    double value;
    int valid;
};

Outcome Calc(const std::string& text) {
    Outcome o{-1.0, -1};
    o.value = _Calc(text.c_str(), &o.valid);
    return o;
}

void ExpectValue(const std::string& text, double expected) {
    Outcome o = Calc(text);
    EXPECT_EQ(1, o.valid) << "\"" << text << "\"";
    EXPECT_DOUBLE_EQ(expected, o.value) << "\"" << text << "\"";
}

void ExpectInvalid(const std::string& text) {
    Outcome o = Calc(text);
    EXPECT_EQ(0, o.valid) << "\"" << text << "\"";
    EXPECT_EQ(0.0, o.value) << "\"" << text << "\"";
}

TEST(CalcTest, PrecedenceAndGrouping) {
    ExpectValue("1+2*3", 7);
    ExpectValue("(1+2)*3", 9);
    ExpectValue("7/2", 3.5);
    ExpectValue("10-2-3", 5);
    ExpectValue("8/2/2", 2);
    ExpectValue("((2))", 2);
    ExpectValue("1200*1.05", 1260);
    ExpectValue("(3+4)/2", 3.5);
    ExpectInvalid("2*(3");
    ExpectInvalid("(1+2");
    ExpectInvalid("1+2)");
}

TEST(CalcTest, DivisionByZeroIsInvalid) {
    ExpectInvalid("1/0");
    ExpectInvalid("1/(2-2)");
    ExpectInvalid("0/0");
    ExpectInvalid("5/");  // the empty number is 0
    ExpectValue("0/5", 0);
}

TEST(CalcTest, ForeignCharactersAreInvalid) {
    ExpectInvalid("abc");
    ExpectInvalid("5 x");
    ExpectInvalid(")");
    ExpectInvalid("5\n+1");
    ExpectInvalid("1,5");
}

TEST(CalcTest, EmptyAndBlankTextsAreZero) {
    ExpectValue("", 0);
    ExpectValue("   ", 0);
    ExpectValue(" \t\r\n ", 0);
    ExpectValue("  42\r\n", 42);
}

TEST(CalcTest, SignsBelongToNumbersOnly) {
    ExpectValue("-", 0);
    ExpectValue("5+", 5);
    ExpectValue("5*", 0);
    ExpectValue("5--3", 8);
    ExpectValue("2*-3", -6);
    ExpectValue("+4", 4);
    ExpectValue("- 5", -5);
    ExpectInvalid("-(5)");
    ExpectInvalid("--5");
    ExpectInvalid("*5");
}

TEST(CalcTest, NumbersAndExponents) {
    ExpectValue("1 2", 12);
    ExpectValue("1 . 5", 1.5);
    ExpectValue("1.2.3", 1.2);
    ExpectValue(".", 0);
    ExpectValue(".5", 0.5);
    ExpectValue("1e-3", 0.001);
    ExpectValue("1E+5", 100000);
    ExpectValue("2.5e+2*2", 500);
    ExpectInvalid("1e3");
    ExpectInvalid("1E5");
    ExpectInvalid("1e");
    ExpectInvalid("1e+5x");
}

TEST(CalcTest, NumbersStopAfter256Characters) {
    std::string exact = "1" + std::string(255, '0');
    ExpectValue(exact, 1e255);
    ExpectInvalid(exact + "0");
    ExpectValue("2*" + exact, 2e255);
}

TEST(CalcTest, NonFiniteResultsAreInvalid) {
    ExpectInvalid("1e+308*10");
    ExpectInvalid("1e+999");
    ExpectInvalid("1e+308*10-1e+308*10");
}

TEST(CalcTest, NestingIsBoundedInsteadOfOverflowingTheStack) {
    ExpectValue(std::string(100, '(') + "7" + std::string(100, ')'), 7);
    ExpectInvalid(std::string(100000, '(') + "1" + std::string(100000, ')'));
    ExpectInvalid(std::string(1000000, '('));
}

TEST(CalcTest, NullArguments) {
    EXPECT_EQ(7.0, _Calc("3+4", nullptr));
    int valid = -1;
    EXPECT_EQ(0.0, _Calc(nullptr, &valid));
    EXPECT_EQ(0, valid);
}

// Random strings over the calculator's own characters plus a stranger:
// never a crash, an invalid result is always 0, a valid one finite, and the
// same text always gives the same answer.
TEST(CalcTest, RandomTextsNeverMisbehave) {
    const std::string alphabet = "0123456789.+-*/()eE x\t";
    std::mt19937 rng(20240611u);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 40);
    int validCount = 0;
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (int n = length(rng); n > 0; --n) text += alphabet[pick(rng)];
        Outcome first = Calc(text);
        ASSERT_TRUE(first.valid == 0 || first.valid == 1) << text;
        if (first.valid == 0)
            ASSERT_EQ(0.0, first.value) << text;
        else
            ASSERT_TRUE(std::isfinite(first.value)) << text;
        Outcome again = Calc(text);
        ASSERT_EQ(first.valid, again.valid) << text;
        ASSERT_EQ(first.value, again.value) << text;
        validCount += first.valid;
    }
    EXPECT_GT(validCount, 0);
}

// Builds well-formed expressions and computes their value on the way, with
// the same left-to-right order of operations and exactly representable
// numbers, so that the calculator must match exactly.
class ExpressionGenerator {
public:
    explicit ExpressionGenerator(unsigned seed) : m_rng(seed) {}

    // A new expression; *value and *divByZero describe what it must give.
    std::string Next(double* value, bool* divByZero) {
        m_divByZero = false;
        std::string text = Chain(0, value, true);
        *divByZero = m_divByZero;
        return text;
    }

private:
    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }

    std::string Blanks() {
        switch (Uniform(0, 5)) {
        case 0:
            return " ";
        case 1:
            return "\t";
        case 2:
            return "  ";
        default:
            return "";
        }
    }

    // An expression (additive) or a term: operands joined by operators of
    // one precedence level, evaluated from the left.
    std::string Chain(int depth, double* value, bool additive) {
        std::string text = Operand(depth, value, additive);
        for (int n = Uniform(0, 2); n > 0; --n) {
            double rhs;
            char op = (additive ? "+-" : "*/")[Uniform(0, 1)];
            text += Blanks() + op + Blanks() + Operand(depth, &rhs, additive);
            if (op == '/' && rhs == 0.0) m_divByZero = true;
            *value = op == '+' ? *value + rhs : op == '-' ? *value - rhs : op == '*' ? *value * rhs : *value / rhs;
        }
        return text;
    }

    std::string Operand(int depth, double* value, bool additive) {
        return additive ? Chain(depth, value, false) : Factor(depth, value);
    }

    std::string Factor(int depth, double* value) {
        if (depth < 4 && Uniform(0, 3) == 0) {
            return "(" + Blanks() + Chain(depth + 1, value, true) + Blanks() + ")";
        }
        return Number(value);
    }

    // [sign] integer [. quarter] [e+N]: exactly representable values.
    std::string Number(double* value) {
        std::string text;
        double sign = 1.0;
        int signChoice = Uniform(0, 5);
        if (signChoice == 0) {
            text = "-";
            sign = -1.0;
        } else if (signChoice == 1) {
            text = "+";
        }
        text += Blanks();
        int whole = Uniform(0, 999);
        *value = whole;
        text += std::to_string(whole);
        static const char* quarters[] = {".25", ".5", ".75"};
        int q = Uniform(0, 5);
        if (q < 3) {
            text += quarters[q];
            *value += 0.25 * (q + 1);
        } else if (q == 3) {
            int e = Uniform(0, 2);
            text += (Uniform(0, 1) ? "e+" : "E+") + std::to_string(e);
            *value *= std::pow(10.0, e);
        }
        *value *= sign;
        return text;
    }

    std::mt19937 m_rng;
    bool m_divByZero = false;
};

TEST(CalcTest, GeneratedExpressionsMatchTheirComputedValues) {
    ExpressionGenerator generator(7u);
    for (int i = 0; i < 5000; ++i) {
        double expected = 0.0;
        bool divByZero = false;
        std::string text = generator.Next(&expected, &divByZero);
        Outcome o = Calc(text);
        if (divByZero) {
            ASSERT_EQ(0, o.valid) << text;
        } else {
            ASSERT_EQ(1, o.valid) << text;
            ASSERT_EQ(expected, o.value) << text;
        }
    }
}

TEST(ZeroDivExceptionTest, KeepsTheTextAndShowsIt) {
    CZeroDivException e;
    EXPECT_EQ(nullptr, e.m_lpszError);
    EXPECT_EQ(0, e.m_nCode);
    const char* text = "ゼロで割ることはできません。";
    e.SetError(text, 3);
    EXPECT_EQ(text, e.m_lpszError);
    EXPECT_EQ(3, e.m_nCode);

    MessageBoxCapture boxes(IDRETRY);
    EXPECT_EQ(IDRETRY, e.ReportError(MB_RETRYCANCEL | MB_ICONEXCLAMATION, 12345));
    ASSERT_EQ(1, boxes.Count());
    EXPECT_EQ(text, boxes.Text(0));
    EXPECT_EQ(static_cast<UINT>(MB_RETRYCANCEL | MB_ICONEXCLAMATION), boxes.Boxes()[0].type);
}

TEST(ZeroDivExceptionTest, WithoutTextShowsAGenericReport) {
    CZeroDivException e;
    MessageBoxCapture boxes;
    e.ReportError();
    ASSERT_EQ(1, boxes.Count());
    EXPECT_FALSE(boxes.Text(0).empty());
}

TEST(ZeroDivExceptionTest, RuntimeClass) {
    CZeroDivException* e = new CZeroDivException;
    EXPECT_STREQ("CZeroDivException", e->GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(RUNTIME_CLASS(CException), e->GetRuntimeClass()->GetBaseClass());
    EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CException)));
    try {
        throw e;
    } catch (CException* caught) {
        EXPECT_EQ(e, caught);
        caught->Delete();
    }
}

}  // namespace

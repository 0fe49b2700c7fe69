// The number texts effects show as parameter values, at the level under test.
#include "tests/framework/test_effect.h"

#include <doctest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

#if FRAMEWORK_LEVEL == 2
const std::string Huge = " Huge!  ";
const std::string MinusInfinity = "  -oo   ";
#else
const std::string Huge = "Huge!";
const std::string MinusInfinity = "-oo";
#endif

template <typename Format>
std::string textOf(Format format)
{
    char text[64];
    std::fill(std::begin(text), std::end(text), '#');
    text[0] = '\0';
    format(text);
    return text;
}

} // namespace

#if FRAMEWORK_LEVEL >= 2
TEST_CASE("numberText writes eight characters or the overflow text")
{
    TestEffect effect(nullptr);
    struct Case {
        float value;
        std::string text;
    };
    const Case cases[] = {
        {0.0f, "0.000000"},         {1.0f, "1.000000"},        {0.5f, "0.500000"},       {-0.5f, "-0.50000"},
        {123.456f, "123.4560"},     {1234567.0f, "1234567."},  {-6.0206f, "-6.02059"},   {12345678.0f, "2345678."},
        {-9999999.0f, "-999999."},  {-10000000.0f, Huge},      {99999999.0f, Huge},      {100000000.0f, Huge},
        {std::numeric_limits<float>::infinity(), Huge},        {-std::numeric_limits<float>::infinity(), Huge},
        {std::numeric_limits<float>::quiet_NaN(), Huge},       {1e-30f, "0.000000"},     {-0.0f, "0.000000"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.value);
        CHECK(textOf([&](char* t) { effect.numberText(c.value, t); }) == c.text);
    }
}

TEST_CASE("integerText right-aligns in seven columns, cut after eight")
{
    TestEffect effect(nullptr);
    struct Case {
        std::int32_t value;
        std::string text;
    };
    const Case cases[] = {
        {42, "     42"},      {-5, "     -5"},    {0, "      0"},       {99999999, "99999999"},
        {100000000, Huge}, {-123456789, "-1234567"}, {1234567, "1234567"}, {2147483647, Huge},
    };
    for (const Case& c : cases) {
        CAPTURE(c.value);
        CHECK(textOf([&](char* t) { effect.integerText(c.value, t); }) == c.text);
    }
}

TEST_CASE("decibel, hertz and milliseconds texts go through numberText")
{
    TestEffect effect(nullptr);
    struct Case {
        const char* what;
        float input;
        std::string text;
    };
    const Case decibels[] = {
        {"dB", 1.0f, "0.000000"},  {"dB", 0.5f, "-6.02059"}, {"dB", 0.1f, "-20.0000"},
        {"dB", 2.0f, "6.020599"},  {"dB", 0.0f, MinusInfinity}, {"dB", -1.0f, MinusInfinity},
    };
    for (const Case& c : decibels) {
        CAPTURE(c.input);
        CHECK(textOf([&](char* t) { effect.decibelText(c.input, t); }) == c.text);
    }
    CHECK(textOf([&](char* t) { effect.hertzText(0.0f, t); }) == "0.000000");
    CHECK(textOf([&](char* t) { effect.hertzText(100.0f, t); }) == "441.0000");
    CHECK(textOf([&](char* t) { effect.millisText(44100.0f, t); }) == "1000.000");
    effect.changeSampleRate(0.0f);
    CHECK(textOf([&](char* t) { effect.millisText(44100.0f, t); }) == Huge);
}

// An effect that formats numbers its own way changes every derived text.
TEST_CASE("the derived texts call numberText through its slot")
{
    struct StarEffect : TestEffect {
        StarEffect() : TestEffect(nullptr) {}
        void numberText(float, char* text) override { text[0] = '*', text[1] = '\0'; }
    } effect;
    CHECK(textOf([&](char* t) { effect.decibelText(1.0f, t); }) == "*");
    CHECK(textOf([&](char* t) { effect.hertzText(10.0f, t); }) == "*");
    CHECK(textOf([&](char* t) { effect.millisText(10.0f, t); }) == "*");
}
#else
TEST_CASE("level 1 number texts are inert")
{
    TestEffect effect(nullptr);
    CHECK(textOf([&](char* t) { effect.numberText(1.0f, t); }).empty());
    CHECK(textOf([&](char* t) { effect.decibelText(1.0f, t); }).empty());
    CHECK(textOf([&](char* t) { effect.hertzText(1.0f, t); }).empty());
    CHECK(textOf([&](char* t) { effect.millisText(1.0f, t); }).empty());
    CHECK(textOf([&](char* t) { effect.integerText(1, t); }).empty());
}
#endif

#include "tools/plughost/file_safe_name.h"

#include <doctest.h>

TEST_CASE("file_safe_name: program names as file names")
{
    const struct {
        const char* name; // Windows-1252
        const char* safe;
    } cases[] = {
        {"Inicial", "Inicial"},
        {"Sala Peque\xF1" "a", "Sala_Pequena"},
        {"Sala Peque\xF1" "a  (Insert)", "Sala_Pequena_Insert"},
        {"Snare !  (Insert)", "Snare_Insert"},
        {"Hall 1", "Hall_1"},
        {" pan1 ", "pan1"},
        {"Default ", "Default"},
        {"\xC0\xE9\xEE\xF5\xFC \xC7\xE7 \xD1\xF1", "Aeiou_Cc_Nn"},
        {"\xC6sir \xDF \xDE\xFE \xD8", "AEsir_ss_THth_O"},
        {"\x8A\x8C\x8E\x9A\x9C\x9E\x9F", "SOEZsoezY"},
        {"2\xD7" "3 \xF7 4", "2_3_4"},
        {"a/b\\c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j"},
        {"../../etc/passwd", "etc_passwd"},
        {"Club-2", "Club-2"},
        {"--x--", "x"},
        {"\x80 \xA9 \xAE", "program"},
        {"", "program"},
        {"   ", "program"},
        {"\t\n\r", "program"},
        {"123456789012345678901234567890123456789012345678901234567890123",
         "123456789012345678901234567890123456789012345678901234567890"},
    };
    for (const auto& c : cases) {
        CAPTURE(c.name);
        CHECK(fileSafeName(c.name) == c.safe);
    }
}

TEST_CASE("file_safe_name: numbered file names")
{
    CHECK(programFileName(0, 25, "Inicial") == "00-Inicial.wav");
    CHECK(programFileName(14, 25, "Sala Peque\xF1" "a  (Insert)") == "14-Sala_Pequena_Insert.wav");
    CHECK(programFileName(3, 1, "") == "03-program.wav");
    CHECK(programFileName(7, 100, "x") == "07-x.wav");
    CHECK(programFileName(7, 101, "x") == "007-x.wav");
    CHECK(programFileName(100, 101, "x") == "100-x.wav");
}

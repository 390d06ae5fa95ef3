#include "argument_text.h"

#include <gtest/gtest.h>

namespace {

TEST(ModeLetter, IsTheSecondCharacterUpperCased) {
    const std::pair<const char*, const char*> cases[] = {
        {"/p 520", "P"}, {"-P 520", "P"}, {"xp520", "P"}, {"/s", "S"}, {"/S", "S"}, {"/sx", "S"},
        {"/c:520", "C"}, {"s", ""},       {"", ""},       {"/a", "A"}, {"ss", "S"}, {"ａs", "S"},
    };
    for (const auto& [text, letter] : cases) {
        EXPECT_EQ(Vantor_B::ModeLetter(text), letter) << text;
    }
    EXPECT_NE(Vantor_B::ModeLetter("/ｓ"), "S") << "a full-width letter is no switch";
}

TEST(PreviewParentHandle, IsReadFromTheFourthCharacterOn) {
    const std::pair<const char*, int32_t> cases[] = {
        {"/p 520", 520}, {"xp520", 20},      {"/p", 0},         {"/p ", 0},    {"/p 2.5", 2},
        {"/p 3.5", 4},   {"/p  5 2 0", 520}, {"/p &H208", 520}, {"/p -1", -1}, {"/p 4294967296", 0},
        {"/p 1e400", 0}, {"/p 12:34", 12},   {"/pあ520", 520},
    };
    for (const auto& [text, handle] : cases) {
        EXPECT_EQ(Vantor_B::PreviewParentHandle(text), handle) << text;
    }
}

TEST(ArgumentsAfterProgramName, DropsTheProgramAndTheBlanksAfterIt) {
    // Where the command line does not start with one of the program's own paths.
    const std::vector<std::string> ownPaths = {"C:\\Other\\Quorrel.scr"};
    const std::pair<const char*, const char*> cases[] = {
        {"Quorrel.scr /s", "/s"},
        {"\"C:\\My Saver\\Quorrel.scr\" /p 520", "/p 520"},
        {"\"C:\\My Saver\\Quorrel.scr\"/s", "/s"},
        {"Quorrel.scr \t /c:520 ", "/c:520 "},
        {"Quorrel.scr", ""},
        {"\"C:\\Quorrel.scr\"", ""},
        {"\"C:\\Quorrel.scr", ""},
        {"", ""},
        {"C:\\My Saver\\Quorrel.scr /s", "Saver\\Quorrel.scr /s"},
    };
    for (const auto& [line, arguments] : cases) {
        EXPECT_EQ(Vantor_B::ArgumentsAfterProgramName(line, ownPaths), arguments) << line;
    }
}

TEST(ArgumentsAfterProgramName, TakesTheProgramsOwnUnquotedPathWholeAsWindowsStartsASaver) {
    const std::vector<std::string> ownPaths = {"C:\\users\\Public\\ソフト 表示\\Quorrel\\Quorrel.scr",
                                               "C:\\users\\Public\\0T7D~1\\Quorrel\\Quorrel.scr"};
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\users\\Public\\ソフト 表示\\Quorrel\\Quorrel.scr /s", "/s"},
        {"c:\\USERS\\public\\ソフト 表示\\quorrel\\QUORREL.SCR /c:1234", "/c:1234"},
        {"C:\\users\\Public\\ソフト 表示\\Quorrel\\Quorrel.scr \t/p 1234", "/p 1234"},
        {"C:\\users\\Public\\ソフト 表示\\Quorrel\\Quorrel.scr", ""},
        {"C:\\users\\Public\\0t7d~1\\Quorrel\\Quorrel.scr /s", "/s"},
        {"\"C:\\users\\Public\\ソフト 表示\\Quorrel\\Quorrel.scr\" /s", "/s"},
        // Only the whole path counts: a longer name, or another folder, is cut at its first blank.
        {"C:\\users\\Public\\ソフト 表示\\Quorrel\\Quorrel.scrx /s", "表示\\Quorrel\\Quorrel.scrx /s"},
        {"C:\\users\\Public\\ソフト 表示\\Other\\Quorrel.scr /s", "表示\\Other\\Quorrel.scr /s"},
        // A full-width letter is another character, not another case.
        {"C:\\users\\Public\\ソフト 表示\\Quorrel\\Ｑuorrel.scr /s", "表示\\Quorrel\\Ｑuorrel.scr /s"},
    };
    for (const auto& [line, arguments] : cases) {
        EXPECT_EQ(Vantor_B::ArgumentsAfterProgramName(line, ownPaths), arguments) << line;
    }
}

}  // namespace

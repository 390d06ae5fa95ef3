#include "frame_arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::variant<FrameRequest, std::string> Parse(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "quorrel-frame");
    return ParseFrameArguments(static_cast<int>(arguments.size()), arguments.data());
}

TEST(FrameArgumentsTest, AcceptsTheDocumentedForms) {
    const struct {
        std::vector<const char*> arguments;
        FrameRequest expected;
    } cases[] = {
        {{"--seed", "7", "--time-ms", "1000", "--out", "a.png"}, {7, 1000, "a.png", false, FrameFormat::Png}},
        {{"--out", "b", "--time-ms", "4294967295", "--seed", "0xFFFFFFFF", "--format", "bgra"},
         {0xFFFFFFFF, 0xFFFFFFFF, "b", false, FrameFormat::Bgra}},
        {{"--grey", "--time-ms", "0", "--out", "g.png"}, {0, 0, "g.png", true, FrameFormat::Png}},
        {{"--seed", "3", "--grey", "--time-ms", "0x10", "--out", "g.png", "--format", "png"},
         {3, 16, "g.png", true, FrameFormat::Png}},
    };
    for (const auto& c : cases) {
        const auto parsed = Parse(c.arguments);
        ASSERT_TRUE(std::holds_alternative<FrameRequest>(parsed)) << std::get<std::string>(parsed);
        const FrameRequest& request = std::get<FrameRequest>(parsed);
        EXPECT_EQ(request.seed, c.expected.seed);
        EXPECT_EQ(request.timeMs, c.expected.timeMs);
        EXPECT_EQ(request.out, c.expected.out);
        EXPECT_EQ(request.grey, c.expected.grey);
        EXPECT_EQ(request.format, c.expected.format);
    }
}

// One line, and the line says what was wrong: the option or value at fault, or the usage.
TEST(FrameArgumentsTest, RefusesBadArgumentsWithOneLineNamingTheFault) {
    const struct {
        std::vector<const char*> arguments;
        const char* refusal;
    } cases[] = {
        {{}, "usage: quorrel-frame --seed S --time-ms T --out FILE [--grey] [--format png|bgra]"},
        {{"--seed", "1", "--time-ms", "0"}, "usage: quorrel-frame"},
        {{"--seed", "1", "--out", "a.png"}, "usage: quorrel-frame"},
        {{"--time-ms", "0", "--out", "a.png"}, "--seed is required unless --grey is given"},
        {{"--seed", "0", "--time-ms", "0", "--out", "a.png"}, "--seed must be a non-zero 32-bit value"},
        {{"--seed", "4294967296", "--time-ms", "0", "--out", "a.png"},
         "--seed must be a non-zero 32-bit value"},
        {{"--seed", "-1", "--time-ms", "0", "--out", "a.png"}, "--seed must be a non-zero 32-bit value"},
        {{"--seed", "12x", "--time-ms", "0", "--out", "a.png"}, "--seed must be a non-zero 32-bit value"},
        {{"--seed", "0x", "--time-ms", "0", "--out", "a.png"}, "--seed must be a non-zero 32-bit value"},
        {{"--seed", "", "--time-ms", "0", "--out", "a.png"}, "--seed must be a non-zero 32-bit value"},
        {{"--seed", "1", "--time-ms", "1.5", "--out", "a.png"},
         "--time-ms must be a 32-bit millisecond count"},
        {{"--seed", "1", "--time-ms", "0", "--out", ""}, "--out needs a file name"},
        {{"--seed", "1", "--time-ms", "0", "--out", "a.png", "--format", "jpg"},
         "--format must be png or bgra"},
        {{"--seed", "1", "--time-ms", "0", "--out", "a.png", "--seed", "2"}, "--seed given twice"},
        {{"--seed", "1", "--time-ms", "0", "--out", "a.png", "--grey", "--grey"}, "--grey given twice"},
        {{"--seed", "1", "--time-ms", "0", "--out", "a.png", "--verbose"}, "unknown argument '--verbose'"},
        {{"--seed", "1", "--time-ms", "0", "--out"}, "--out needs a value"},
        {{"--seed", "1", "--time-ms", "0", "--out", "--grey"}, "--out needs a value, not '--grey'"},
    };
    for (const auto& c : cases) {
        const auto parsed = Parse(c.arguments);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << c.refusal;
        const std::string& refusal = std::get<std::string>(parsed);
        EXPECT_TRUE(refusal.starts_with(c.refusal)) << refusal;
        EXPECT_EQ(refusal.find('\n'), std::string::npos) << refusal;
    }
}

}  // namespace

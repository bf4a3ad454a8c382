// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "console_buffer.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

using zifrano::cli::ConsoleBuffer;

// A console that records each text it is given.
struct Console {
    std::vector<std::string> shown;
    std::unique_ptr<ConsoleBuffer> buffer = std::make_unique<ConsoleBuffer>([this](auto text) {
        shown.emplace_back(text);
        return true;
    });
    std::ostream stream{buffer.get()};
};

// Pieces written one after another, each flushed, and the texts the console gets for them.
struct CutCase {
    std::string name;
    std::vector<std::string> pieces, shown;
};

void PrintTo(const CutCase& c, std::ostream* os) {
    *os << c.name;
}

class ConsoleBufferCut : public testing::TestWithParam<CutCase> {};

TEST_P(ConsoleBufferCut, ShowsWholeCharactersOnly) {
    Console console;
    for (const auto& piece : GetParam().pieces) {
        console.stream << piece << std::flush;
    }
    EXPECT_EQ(console.shown, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConsoleBufferCut,
    testing::Values(
        CutCase{"è cut after its first byte", {"non \xc3", "\xa8 un"}, {"non ", "è un"}},
        CutCase{"€ cut twice", {"\xe2", "\x82", "\xac!"}, {"€!"}},
        CutCase{"a no-break space cut", {"\xc2", "\xa0"}, {"\xc2\xa0"}},
        CutCase{"U+0905 cut", {"\xe0\xa4", "\x85"}, {"\xe0\xa4\x85"}},
        CutCase{"a four-byte character cut after three",
                {"a\xf0\x9f\x98", "\x80"},
                {"a", "\xf0\x9f\x98\x80"}},
        CutCase{"whole characters at once", {"è€\xf0\x9f\x98\x80"}, {"è€\xf0\x9f\x98\x80"}},
        // Bytes that end no character wait for none: a Windows-1252 table's bytes.
        CutCase{"later bytes without a first one", {"x\x82\xac", "y"}, {"x\x82\xac", "y"}},
        CutCase{"a whole character after later bytes",
                {"\x80\x80\x80\xc3\xa8"},
                {"\x80\x80\x80\xc3\xa8"}}));

// A text longer than the buffer, its characters cut by the buffer's end wherever they stand.
TEST(ConsoleBuffer, CutsNoCharacterAtTheBuffersEnd) {
    for (const std::string lead : {"", "a", "ab", "abc"}) {
        Console console;
        std::string text = lead;
        while (text.size() < 20000) {
            text += "è€\xf0\x9f\x98\x80";
        }
        console.stream << text << std::flush;
        std::string joined;
        for (const auto& shown : console.shown) {
            EXPECT_EQ(zifrano::cli::wholeCharacters(shown), shown.size())
                << "lead '" << lead << "', a text ending in "
                << testing::PrintToString(shown.substr(shown.size() - 3));
            joined += shown;
        }
        EXPECT_EQ(joined, text) << "lead '" << lead << "'";
        EXPECT_GT(console.shown.size(), 4U) << "lead '" << lead << "'";
    }
}

TEST(ConsoleBuffer, LooksNoFurtherBackThanItsText) {
    // A later byte alone, where a character's first byte stands just before it in memory.
    EXPECT_EQ(zifrano::cli::wholeCharacters(std::string_view("\xe2\xa8").substr(1)), 1U);
}

TEST(ConsoleBuffer, WritesACutCharacterLeftAtTheEnd) {
    Console console;
    console.stream << "a\xe2\x82" << std::flush;
    console.buffer.reset();
    EXPECT_EQ(console.shown, (std::vector<std::string>{"a", "\xe2\x82"}));
}

TEST(ConsoleBuffer, AFailedWriteFailsTheStream) {
    int writes = 0;
    ConsoleBuffer buffer([&writes](auto) { return ++writes > 1; });
    std::ostream stream(&buffer);
    stream << "uno" << std::flush;
    EXPECT_TRUE(stream.bad());
    stream.clear();
    // What was lost stays lost: the stream goes on failing.
    stream << "due" << std::flush;
    EXPECT_TRUE(stream.bad());
    EXPECT_EQ(writes, 1);
}

} // namespace

#include "media/speech_walker.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using vernik::nextSpeechWord;
using vernik::SpeechBoxChange;
using vernik::SpeechWalk;

// Each step's speech text and the output box's cursor after it.
using Steps = std::vector<std::pair<std::string, int>>;

Steps walkAll(const std::string& text, int cursor = 0) {
    Steps steps;
    SpeechWalk walk{cursor, ' '};
    for (auto next = nextSpeechWord(text, walk); next.found; next = nextSpeechWord(text, walk)) {
        walk = next.after;
        steps.emplace_back(next.word, walk.cursor);
        if (steps.size() > 100) break;
    }
    return steps;
}

TEST(SpeechWalker, WordsDelimitersAndTheCursor) {
    const std::string longWord(300, 'x');
    const std::vector<std::pair<std::string, Steps>> table = {
        {"Hej. ", {{"Hej.", 5}}},
        {"Hej.", {}},  // a last word without delimiter is not read
        {"ett tv\xE5 tre", {{"ett", 4}, {"tv\xE5", 8}}},
        {"rad\nny rad\n", {{"rad", 4}, {"\r", 4}, {"ny", 7}, {"rad", 11}, {"\r", 11}}},
        {"a\r\nb ", {{"a", 2}, {"\r", 3}, {"b", 5}}},
        {"<b>fet ", {{"", 1}, {"<", 1}, {"b", 3}, {">", 3}, {"fet", 7}}},
        {"a  b ", {{"a", 2}, {"b", 5}}},  // a run of blanks is passed over
        {"   a ", {{"a", 5}}},
        {"a   ", {{"a", 2}}},
        {"", {}},
        {" ", {}},
        {longWord + " slut ", {{std::string(255, 'x'), 301}, {"slut", 306}}},
    };
    for (const auto& [text, steps] : table) EXPECT_EQ(walkAll(text), steps) << text;
}

TEST(SpeechWalker, StartsAtTheCursorAndStopsNearTheEnd) {
    EXPECT_EQ(walkAll("ett tv\xE5 tre ", 4), (Steps{{"tv\xE5", 8}, {"tre", 12}}));
    EXPECT_EQ(walkAll("ett tv\xE5 tre ", 11), Steps{});  // on the last character
    EXPECT_EQ(walkAll("ett ", 99), Steps{});             // past the end
    const auto stalled = nextSpeechWord("ett tv\xE5", SpeechWalk{4, ' '});
    EXPECT_FALSE(stalled.found);
    EXPECT_EQ(stalled.after.cursor, 4);
}

TEST(SpeechWalker, WhatAChangeOfTheSpeechBoxDoes) {
    const std::vector<std::tuple<std::string, bool, SpeechBoxChange>> table = {
        {"hej", true, SpeechBoxChange::ReadWhole},    {"hej  ", true, SpeechBoxChange::ReadWhole},
        {"a", false, SpeechBoxChange::ReadLast},      {"ab ", false, SpeechBoxChange::ReadAgain},
        {"ab  ", false, SpeechBoxChange::InsertText}, {" ", false, SpeechBoxChange::ReadAgain},
        {"", false, SpeechBoxChange::Nothing},
    };
    for (const auto& [text, readWhole, change] : table)
        EXPECT_EQ(vernik::speechBoxChange(text, readWhole), change) << text;
}

}  // namespace

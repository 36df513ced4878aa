// Random insertions and deletions of characters and codes, checked after
// every step against a plain string: the text, the chain, and positions held
// across the edits and repaired through the last edit.
#include "forms/fields/richtext/textbuffer.h"

#include "text_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

// Offsets where a character or code starts (codes are never split).
std::vector<int> UnitStarts(const std::string& model)
{
    std::vector<int> starts;
    for (size_t i = 0; i < model.size();) {
        starts.push_back(static_cast<int>(i));
        i += static_cast<unsigned char>(model[i]) == kEsc ? kCodeLength : 1;
    }
    starts.push_back(static_cast<int>(model.size())); // the end mark
    return starts;
}

// The characters of the model that are not part of a code.
std::string RealChars(const std::string& model)
{
    std::string chars;
    for (int start : UnitStarts(model)) {
        if (start < static_cast<int>(model.size()) && static_cast<unsigned char>(model[start]) != kEsc)
            chars.push_back(model[start]);
    }
    return chars;
}

struct Held {
    TEXTPOS pos;
    int offset;
};

TEST(RandomEdit, BufferFollowsAPlainStringModel)
{
    std::mt19937 random(20261210);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    const std::string alphabet = "abcdefghij \r\n\xE9\xFF.,";
    const char letters[] = {'B', 'I', 'U', '/', 'P', 'T', 'r', 'g', 'b', 'd'};

    TEXTBUFFER buffer;
    std::string model;
    std::vector<Held> held;

    for (int step = 0; step < 3000; ++step) {
        SCOPED_TRACE(step);
        const std::vector<int> starts = UnitStarts(model);
        while (held.size() < 8) {
            const int offset = starts[pick(0, static_cast<int>(starts.size()) - 1)];
            held.push_back({At(buffer, offset), offset});
        }

        const int action = pick(0, 9);
        const int at = starts[pick(0, static_cast<int>(starts.size()) - 1)];
        TEXTPOS pos = At(buffer, at);
        if (action < 4) {
            std::string chars;
            const int n = pick(1, action == 0 ? 400 : 20);
            for (int i = 0; i < n; ++i)
                chars.push_back(alphabet[pick(0, static_cast<int>(alphabet.size()) - 1)]);
            pos.InsertChars(chars.data(), n);
            model.insert(at, chars);
            for (auto& h : held)
                h.offset += h.offset >= at ? n : 0;
            ASSERT_EQ(pos.GetOffset(), at);
        } else if (action < 6) {
            const char letter = letters[pick(0, 9)];
            const auto value = static_cast<int16_t>(letter == 'd' ? -2 : pick(0, 1500));
            pos.InsertCode(letter, value);
            model.insert(at, Code(letter, value));
            for (auto& h : held)
                h.offset += h.offset >= at ? kCodeLength : 0;
        } else {
            // Whole units from at, never the end mark.
            const auto first = std::find(starts.begin(), starts.end(), at) - starts.begin();
            const auto available = static_cast<int>(starts.size()) - 1 - static_cast<int>(first);
            if (available == 0)
                continue;
            const int units = pick(1, std::min(available, action == 9 ? 300 : 6));
            const int n = starts[first + units] - at;
            // Positions on deleted characters outside the edit point's block
            // may lose their block; they are let go.
            std::erase_if(
                held, [&](const Held& h) { return h.offset >= at && h.offset < at + n && h.pos.block != pos.block; });
            ASSERT_EQ(pos.DeleteChars(n), 1);
            model.erase(at, n);
            for (auto& h : held) {
                if (h.offset >= at + n)
                    h.offset -= n;
                else if (h.offset >= at)
                    h.offset = at;
            }
            ASSERT_EQ(pos.GetOffset(), at);
        }

        ASSERT_EQ(buffer.GetText(), model);
        ASSERT_EQ(ChainFault(buffer), "");
        ASSERT_EQ(buffer.GetEnd().GetOffset(), static_cast<int>(model.size()));
        for (auto& h : held) {
            buffer.FixPos(h.pos);
            ASSERT_EQ(h.pos.GetOffset(), h.offset);
            ASSERT_EQ(h.pos.GetChar(), static_cast<unsigned char>((model + '\x1a')[h.offset]));
        }
        if (step % 50 == 0) {
            // Walking back from the end with Prev meets every real character.
            std::string back;
            TEXTPOS walk = buffer.GetEnd();
            while (walk.Prev())
                back.insert(back.begin(), static_cast<char>(walk.GetChar()));
            ASSERT_EQ(back, RealChars(model));
        }
    }
}

} // namespace

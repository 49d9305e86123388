// The output buffer: text reaches the stream whole and in order however it
// is appended (characters, texts, text written in place of which only a part
// is kept, texts longer than the buffer hands on at once), and a sink
// without a stream keeps its text until taken or cleared.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "Text_sink.h"

namespace {

// One way of appending, and the characters it must add.
struct Piece {
    const char* Name;
    std::function<void(Text_sink&)> Append;
    std::string Adds;
};

std::vector<Piece> Pieces()
{
    const std::string large(70 * 1024, 'L');
    const std::string medium(20 * 1024, 'm');
    return {
        {"a character", [](Text_sink& sink) { sink.Append('c'); }, "c"},
        {"a text", [](Text_sink& sink) { sink.Append("text"); }, "text"},
        {"an empty text", [](Text_sink& sink) { sink.Append(std::string_view()); }, ""},
        {"in place, part kept",
         [](Text_sink& sink) {
             char* room = sink.Room(40);
             std::memcpy(room, "keptdropped", 11);
             sink.Keep(room + 4);
         },
         "kept"},
        {"a text longer than a flush", [large](Text_sink& sink) { sink.Append(large); }, large},
        {"texts across a flush", [medium](Text_sink& sink) {
             for (int i = 0; i < 4; ++i)
                 sink.Append(medium);
         },
         medium + medium + medium + medium},
    };
}

TEST(Text_sink, TextReachesTheStreamWholeAndInOrder)
{
    const std::vector<Piece> pieces = Pieces();
    // Every piece after every other, so that each meets a buffer empty,
    // part full and just flushed.
    std::ostringstream out;
    std::string expected;
    Text_sink sink(&out);
    for (const Piece& first : pieces) {
        for (const Piece& second : pieces) {
            first.Append(sink);
            second.Append(sink);
            expected += first.Adds + second.Adds;
        }
    }
    sink.Flush();
    EXPECT_TRUE(out.str() == expected) << out.str().size() << " characters written, " << expected.size()
                                       << " expected";
    EXPECT_TRUE(sink.Text().empty());
}

TEST(Text_sink, WithoutAStreamTheTextIsKeptUntilTakenOrCleared)
{
    for (const Piece& piece : Pieces()) {
        Text_sink sink;
        piece.Append(sink);
        sink.Append('.');
        EXPECT_EQ(sink.Text(), piece.Adds + ".") << piece.Name;
        EXPECT_EQ(sink.Take(), piece.Adds + ".") << piece.Name;
        EXPECT_TRUE(sink.Text().empty()) << piece.Name;
        // What follows a take or a clear starts afresh.
        piece.Append(sink);
        EXPECT_EQ(sink.Text(), piece.Adds) << piece.Name;
        sink.Clear(0);
        sink.Append("after");
        EXPECT_EQ(sink.Text(), "after") << piece.Name;
    }
}

}  // namespace

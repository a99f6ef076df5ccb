#include "platform/audio/TuneSource.h"

#include <gtest/gtest.h>

namespace tune = platform::tune;

namespace {

std::string le32(std::size_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

std::string block(int type, bool last, const std::string& body) {
    const std::size_t n = body.size();
    return std::string{static_cast<char>(type | (last ? 0x80 : 0)), static_cast<char>(n >> 16),
                       static_cast<char>(n >> 8), static_cast<char>(n)} +
           body;
}

std::string comments(std::initializer_list<std::string> entries) {
    std::string body = le32(9) + "reference" + le32(entries.size());
    for (const std::string& entry : entries)
        body += le32(entry.size()) + entry;
    return body;
}

// Stream information, padding, then the comment, as an encoder may lay them out.
std::string head(const std::string& commentBody) {
    return "fLaC" + block(0, false, std::string(34, '\x11')) +
           block(1, false, std::string(8, '\0')) + block(4, true, commentBody);
}

} // namespace

TEST(TuneSource, TheCommentIsFoundWhereverItStandsAndWhateverCaseItsNameHas) {
    const std::string flac = head(comments({"TITLE=cheers", "brainlock_source=00ff", "X=1"}));
    EXPECT_EQ(tune::flacComment(flac, tune::kSourceField), "00ff");
    EXPECT_EQ(tune::flacComment(flac + "audio frames follow", tune::kSourceField), "00ff");
    // A field whose name only begins like it is another field.
    EXPECT_EQ(tune::flacComment(head(comments({"BRAINLOCK_SOURCES=1"})), tune::kSourceField),
              std::nullopt);
}

TEST(TuneSource, AHeadThatIsNoFlacOrBreaksOffGivesNothing) {
    const std::string flac = head(comments({"BRAINLOCK_SOURCE=00ff"}));
    for (std::size_t cut = 0; cut < flac.size(); ++cut)
        EXPECT_EQ(tune::flacComment(flac.substr(0, cut), tune::kSourceField), std::nullopt) << cut;
    EXPECT_EQ(tune::flacComment("RIFF" + flac.substr(4), tune::kSourceField), std::nullopt);
    // Lengths that claim more than the block holds are not followed.
    EXPECT_EQ(tune::flacComment(head(le32(0xFFFFFF00) + "x"), tune::kSourceField), std::nullopt);
    EXPECT_EQ(tune::flacComment(head(le32(0) + le32(1) + le32(0xFFFFFFFF)), tune::kSourceField),
              std::nullopt);
    // The walk stops at the last block: a comment after it belongs to no metadata.
    const std::string stopped = "fLaC" + block(0, true, std::string(34, '\x11')) +
                                block(4, true, comments({"BRAINLOCK_SOURCE=00ff"}));
    EXPECT_EQ(tune::flacComment(stopped, tune::kSourceField), std::nullopt);
}

TEST(TuneSource, TheDigestChangesWithEitherFileAndWithTheirBoundary) {
    const std::uint64_t digest = tune::sourceDigest("MThd tune", "RIFF sfbk");
    EXPECT_EQ(digest, tune::sourceDigest("MThd tune", "RIFF sfbk"));
    EXPECT_NE(digest, tune::sourceDigest("MThd tunf", "RIFF sfbk"));
    EXPECT_NE(digest, tune::sourceDigest("MThd tune", "RIFF sfbl"));
    EXPECT_NE(digest, tune::sourceDigest("MThd tuneR", "IFF sfbk"));
    EXPECT_EQ(tune::sourceValue(0xabc), "0000000000000abc");
}

#pragma once
// The hop file layout of the shared test hop (support/sample_hops.h) and the warning every
// refused hop file gives.

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "hopfile/hop_file.h"
#include "support/recording_messages.h"
#include "support/sample_hops.h"

namespace korvel {

// Offset in the file of the hop record block (current layout), and its padding: (offset in
// the block, size).
inline constexpr std::size_t kRecordBlock = 82;
inline constexpr std::array<std::pair<std::size_t, std::size_t>, 5> kRecordPadding{
    {{60, 4}, {90, 6}, {127, 1}, {180, 4}, {426, 6}}};

// The hop in the 16-bit layout: the current image without the record's padding.
inline std::vector<std::uint8_t> sixteenBitImage(const HopState& hop) {
    std::vector<std::uint8_t> image = hopFileImage(hop);
    image[4] = '5';
    for (auto gap = kRecordPadding.rbegin(); gap != kRecordPadding.rend(); ++gap) {
        const auto first = image.begin() + static_cast<std::ptrdiff_t>(kRecordBlock + gap->first);
        image.erase(first, first + static_cast<std::ptrdiff_t>(gap->second));
    }
    return image;
}

// One beep, then one box with the caption, an exclamation icon and an OK button.
inline void expectWarning(const RecordingMessages& messages, const std::string& text) {
    ASSERT_EQ(messages.events().size(), 2u);
    EXPECT_EQ(messages.events()[0].kind, MessageEvent::Kind::Beep);
    const MessageEvent& box = messages.events()[1];
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.caption, "Korvel");
    EXPECT_EQ(box.icon, MessageIcon::Exclamation);
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
}

} // namespace korvel

#pragma once
// The date texts of both sticker faces, their placement and their colours: pure functions of
// a moment, so that a face can be recomposed whenever its date changes.
#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/moment.h"

namespace sticker {

// The title of the box in which the main face shows the range message.
inline constexpr std::string_view kRangeCaption = "提示";

// Exactly one of the two is set: the date block (four lines joined by CR LF) for a supported
// date, otherwise the range message, which the main face shows in a box titled kRangeCaption
// while its date block keeps the text it had.
struct MainFaceTexts {
    std::string dateBlock;
    std::string message;
    bool InRange() const { return message.empty(); }
};
MainFaceTexts ComposeMainFaceTexts(const calendar::Moment& now);

// The date is always there. Outside the supported range the week line and the lunar block
// carry the main face's range message as their text (the alternate face shows no message box).
struct AlternateFaceTexts {
    std::string date;
    std::string weekLine;    // weekday, week and the days to the Spring Festival
    std::string lunarBlock;  // three lines joined by CR LF
};
AlternateFaceTexts ComposeAlternateFaceTexts(const calendar::Moment& now);

// The range message as the alternate face shows it, over two labels too narrow for it as one
// line: head up to and including its first "，", tail the rest. Without a "，" it is all head.
struct RangeMessageParts {
    std::string head;
    std::string tail;
};
RangeMessageParts SplitRangeMessage(std::string_view message);

// Screen position of a face's top-left corner; workAreaWidth is the full-screen work-area
// width (SM_CXFULLSCREEN), both in screen pixels.
struct FacePosition {
    int left = 0;
    int top = 0;
    friend bool operator==(const FacePosition&, const FacePosition&) = default;
};
// The main face overlaps the top-right screen corner slightly on purpose.
FacePosition MainFacePosition(int workAreaWidth, int windowWidth);
FacePosition AlternateFacePosition(int workAreaWidth, int windowWidth);

// The centre recorded in FaceCentre: left + width div 2, top + height div 2.
struct FacePoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const FacePoint&, const FacePoint&) = default;
};
FacePoint FaceCentreOf(int left, int top, int width, int height);

// Colours in the platform layout 0x00BBGGRR.
struct FaceColours {
    std::uint32_t text = 0;        // low 24 bits only
    std::uint32_t background = 0;  // also the transparent colour key
    friend bool operator==(const FaceColours&, const FaceColours&) = default;
};
// Only the low 24 bits of a stored colour are drawn; the background is the text colour
// shifted by 50 toward the middle, so it never equals the text colour.
FaceColours ColoursForText(std::uint32_t text);

}  // namespace sticker

#pragma once
// Speaking through the platform's speech automation object.
#include <string_view>

#include "sticker/chime.h"

namespace app {

// Creates the speech object anew for the sentence, calls its "Speak" method by name with the
// sentence as the only argument (synchronous, default voice) and releases it. Any failure
// drops the sentence quietly; the result says whether it was spoken, for tests only.
// progId exists so tests can name an object that is missing or cannot speak.
bool Announce(std::string_view sentence, const wchar_t* progId = L"SAPI.SpVoice");

class SapiVoice final : public sticker::Voice {
public:
    void Speak(std::string_view sentence) override { Announce(sentence); }
};

}  // namespace app

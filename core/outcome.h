// What an evaluation asks the window to do. The window only applies it:
// first the messages (modal, in order), then the field texts (each lamp
// turns green), then the captions.
#pragma once

#include <string>
#include <vector>

namespace ampero {

struct FieldResult {
    int index;        // field index within the calculator's array
    std::string text; // written as is
};

struct CaptionResult {
    std::string target; // object name of the label, e.g. "lbl555_4"
    std::string text;
};

struct Outcome {
    std::vector<std::string> messages;
    std::vector<FieldResult> fields;
    std::vector<CaptionResult> captions;

    bool Empty() const { return messages.empty() && fields.empty() && captions.empty(); }
};

using FieldTexts = std::vector<std::string>;

// Field `index` of an evaluation's texts; a field that is not there is empty.
inline const std::string& FieldText(const FieldTexts& fields, int index) {
    static const std::string empty;
    return index >= 0 && index < static_cast<int>(fields.size()) ? fields[static_cast<size_t>(index)] : empty;
}

} // namespace ampero

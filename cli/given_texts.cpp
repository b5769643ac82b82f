#include "cli/given_texts.h"

#include "cli/code_page_text.h"
#include "conversion/macro_types.h"

#include <algorithm>

namespace trellwick::cli {
namespace {

std::string unencodable(std::string_view option, const std::string& text) {
    return std::string(option) + " \"" + text + "\" holds a character that " +
           std::string(code_page_name()) + " can't hold";
}

} // namespace

EncodedTexts encode_given_texts(const Options& options) {
    EncodedTexts encoded;
    GivenTexts& texts = encoded.texts;

    // The index of the type's caption; a type that no caption before "Other,
    // please specify:" names is that option's.
    const std::string& type = options.type.value_or("");
    const auto known_types_end = kMacroTypeCaptions.begin() + kOtherTypeIndex;
    texts.type_index = static_cast<int>(
        std::find(kMacroTypeCaptions.begin(), known_types_end, type) - kMacroTypeCaptions.begin());
    if (texts.type_index == kOtherTypeIndex) {
        const auto other = utf8_to_code_page(type);
        if (!other) {
            encoded.error = unencodable("--type", type);
            return encoded;
        }
        texts.type_other = *other;
    }

    const auto take = [&](std::string_view option, const std::optional<std::string>& text,
                          std::optional<std::string>& into) {
        if (!text || !encoded.error.empty())
            return;
        into = utf8_to_code_page(*text);
        if (!into)
            encoded.error = unencodable(option, *text);
    };
    take("--name", options.name, texts.name);
    take("--bitmap", options.bitmap, texts.bitmap);
    for (std::size_t i = 0; i < texts.descriptions.size(); ++i)
        take("--param " + std::to_string(i + 1), options.descriptions[i], texts.descriptions[i]);
    return encoded;
}

} // namespace trellwick::cli

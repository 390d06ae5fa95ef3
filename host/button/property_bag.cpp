#include "property_bag.h"

#include <charconv>

namespace Vantor {
namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Texts stored as defaults compare equal to the numbers they spell.
bool SameValue(const PropertyValue& a, const PropertyValue& b) {
    const auto na = NumberOf(a);
    const auto nb = NumberOf(b);
    if (na && nb) {
        return *na == *nb;
    }
    return a == b;
}

}  // namespace

std::optional<int64_t> NumberOf(const PropertyValue& value) {
    if (const auto* number = std::get_if<int64_t>(&value)) {
        return *number;
    }
    const auto* text = std::get_if<std::string>(&value);
    if (!text) {
        return std::nullopt;
    }
    std::string_view digits = Trimmed(*text);
    if (digits.starts_with('+')) {
        digits.remove_prefix(1);
    }
    int64_t result = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), result);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return result;
}

std::optional<std::string> TextOf(const PropertyValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    if (const auto* number = std::get_if<int64_t>(&value)) {
        return std::to_string(*number);
    }
    return std::nullopt;
}

PropertyValue PropertyBag::ReadProperty(const std::string& key, const PropertyValue& defaultValue) const {
    const auto found = values_.find(key);
    return found == values_.end() ? defaultValue : found->second;
}

void PropertyBag::WriteProperty(const std::string& key, const PropertyValue& value,
                                const PropertyValue& defaultValue) {
    if (SameValue(value, defaultValue)) {
        values_.erase(key);
    } else {
        values_[key] = value;
    }
}

}  // namespace Vantor

#pragma once
// A store of named values with defaults, in which a control keeps its properties between sessions.
// Writing a value equal to its default stores nothing; reading an absent key yields the default.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>

#include "font_desc.h"

namespace Vantor {

using PropertyValue = std::variant<int64_t, std::string, FontDesc>;

// A number, or a text that spells a whole number (blanks around it allowed); nothing otherwise.
std::optional<int64_t> NumberOf(const PropertyValue& value);
// A text, or a number as decimal text; nothing for a font.
std::optional<std::string> TextOf(const PropertyValue& value);

class PropertyBag {
  public:
    PropertyValue ReadProperty(const std::string& key, const PropertyValue& defaultValue) const;
    void WriteProperty(const std::string& key, const PropertyValue& value, const PropertyValue& defaultValue);
    bool Contains(const std::string& key) const { return values_.contains(key); }

  private:
    std::map<std::string, PropertyValue> values_;
};

}  // namespace Vantor

#pragma once
// The image button's font description and its property store: the named values a host keeps with
// its own layout and hands to the button when it creates it.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace quillane {

// A font as the host stores it. The face name is code-page-932 text, like every text of the program.
struct FontSpec {
  std::string faceName;
  double sizePoints = 0;
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
  int charset = 0;
  bool operator==(const FontSpec&) const = default;
};

// The button's own font: "ＭＳ Ｐゴシック" (code page 932 bytes), 9.75 points, normal weight, Shift-JIS.
FontSpec DesignFont();

using PropertyValue = std::variant<bool, std::int32_t, std::string, FontSpec>;

class ButtonPropertySet {
 public:
  // The stored value of the key, or the default when the key is absent.
  PropertyValue ReadProperty(const std::string& key, const PropertyValue& defaultValue) const;
  // Stores the value; a value equal to the default is left out (and an older entry removed).
  void WriteProperty(const std::string& key, const PropertyValue& value, const PropertyValue& defaultValue);
  // Puts a value into the set as the host's stored layout holds it.
  void Set(const std::string& key, const PropertyValue& value);

  bool Contains(const std::string& key) const { return Find(key) != nullptr; }
  const PropertyValue* Find(const std::string& key) const;
  // Keys and values in the order they were stored.
  const std::vector<std::pair<std::string, PropertyValue>>& Entries() const { return entries_; }

 private:
  std::vector<std::pair<std::string, PropertyValue>> entries_;
};

// Conversions of a stored value to what a key holds; nothing when the value does not convert or fit.
std::optional<bool> ToBoolean(const PropertyValue& value);
std::optional<std::int64_t> ToInteger(const PropertyValue& value);
std::optional<std::string> ToText(const PropertyValue& value);
std::optional<FontSpec> ToFont(const PropertyValue& value);

}  // namespace quillane

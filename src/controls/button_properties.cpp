#include "controls/button_properties.h"

#include <cmath>

#include "common/decimal.h"

namespace quillane {

FontSpec DesignFont() {
  // "ＭＳ Ｐゴシック" in code page 932.
  return FontSpec{"\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e", 9.75, 400, false, false, false, 128};
}

const PropertyValue* ButtonPropertySet::Find(const std::string& key) const {
  for (const auto& [name, value] : entries_) {
    if (name == key) return &value;
  }
  return nullptr;
}

PropertyValue ButtonPropertySet::ReadProperty(const std::string& key, const PropertyValue& defaultValue) const {
  const PropertyValue* stored = Find(key);
  return stored ? *stored : defaultValue;
}

void ButtonPropertySet::Set(const std::string& key, const PropertyValue& value) {
  for (auto& entry : entries_) {
    if (entry.first == key) {
      entry.second = value;
      return;
    }
  }
  entries_.emplace_back(key, value);
}

void ButtonPropertySet::WriteProperty(const std::string& key, const PropertyValue& value,
                                      const PropertyValue& defaultValue) {
  if (value == defaultValue) {
    std::erase_if(entries_, [&](const auto& entry) { return entry.first == key; });
    return;
  }
  Set(key, value);
}

std::optional<std::int64_t> ToInteger(const PropertyValue& value) {
  if (const auto* flag = std::get_if<bool>(&value)) return *flag ? -1 : 0;
  if (const auto* number = std::get_if<std::int32_t>(&value)) return *number;
  if (const auto* text = std::get_if<std::string>(&value)) {
    const std::optional<double> parsed = ParseDecimal(*text);
    if (!parsed || std::fabs(*parsed) > 9.0e15) return std::nullopt;
    return static_cast<std::int64_t>(std::nearbyint(*parsed));
  }
  return std::nullopt;
}

std::optional<bool> ToBoolean(const PropertyValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) {
    if (*text == "True") return true;
    if (*text == "False") return false;
  }
  const std::optional<std::int64_t> number = ToInteger(value);
  if (!number) return std::nullopt;
  return *number != 0;
}

std::optional<std::string> ToText(const PropertyValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* number = std::get_if<std::int32_t>(&value)) return std::to_string(*number);
  return std::nullopt;
}

std::optional<FontSpec> ToFont(const PropertyValue& value) {
  if (const auto* font = std::get_if<FontSpec>(&value)) return *font;
  return std::nullopt;
}

}  // namespace quillane

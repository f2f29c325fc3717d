#include "cli/treeJson.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <variant>
#include <vector>

#include "lib/codePage.h"
#include "lib/treeclss.h"

namespace {

std::string jsonString(std::string_view ansi) {
    std::string out = "\"";
    for (char c : ansiToUtf8(ansi)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

template <typename Float>
const char* nonFiniteName(Float value) {
    if (std::isnan(value)) return "\"NaN\"";
    return value > 0 ? "\"Infinity\"" : "\"-Infinity\"";
}

std::string jsonDouble(double value) {
    if (!std::isfinite(value)) return nonFiniteName(value);
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, result.ptr);
}

std::string jsonExtended(long double value) {
    if (!std::isfinite(value)) return nonFiniteName(value);
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.21Lg", value);
    return digits;
}

template <typename T>
const T* as(const TBase& value) {
    return dynamic_cast<const T*>(&value);
}

}  // namespace

std::string valueToJson(const TBase& value) {
    const std::string_view name = value.className();
    if (name == TString::kClassName) return jsonString(as<TString>(value)->text());
    if (name == TChar::kClassName) return jsonString(std::string(1, as<TChar>(value)->getValue()));
    if (name == TInteger::kClassName) return std::to_string(as<TInteger>(value)->getValue());
    if (name == TLongint::kClassName) return std::to_string(as<TLongint>(value)->getValue());
    if (name == TByte::kClassName) return std::to_string(as<TByte>(value)->getValue());
    if (name == TWord::kClassName) return std::to_string(as<TWord>(value)->getValue());
    if (name == TInt64::kClassName) return std::to_string(as<TInt64>(value)->getValue());
    if (name == TTColor::kClassName) return std::to_string(as<TTColor>(value)->getValue());
    if (name == TBoolean::kClassName) return as<TBoolean>(value)->getValue() ? "true" : "false";
    if (name == TReal::kClassName) return jsonDouble(as<TReal>(value)->getValue());
    if (name == TExtended::kClassName) return jsonExtended(as<TExtended>(value)->getValue());
    if (name == TTBruch::kClassName) {
        const TBruch fraction = as<TTBruch>(value)->getValue();
        return "{\"numerator\": " + std::to_string(fraction.numerator) +
               ", \"denominator\": " + std::to_string(fraction.denominator) + "}";
    }
    return "null";
}

std::string treeToJson(const TBinTree& tree) {
    // What is still to be written, last first: a subtree (nullptr for an absent one) or text.
    using Piece = std::variant<const TBinTreeNode*, const char*>;
    std::vector<Piece> pending{tree.root()};
    std::string out;
    while (!pending.empty()) {
        const Piece piece = pending.back();
        pending.pop_back();
        if (const auto* text = std::get_if<const char*>(&piece)) {
            out += *text;
            continue;
        }
        const TBinTreeNode* node = std::get<const TBinTreeNode*>(piece);
        if (node == nullptr) {
            out += "null";
            continue;
        }
        out += "{\"class\": " + jsonString(node->getValue()->className()) +
               ", \"value\": " + valueToJson(*node->getValue()) + ", \"left\": ";
        pending.insert(pending.end(), {"}", node->getRight(), ", \"right\": ", node->getLeft()});
    }
    return out;
}

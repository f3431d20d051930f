#pragma once
#include "base/Com.h"

// Owner of one PROPVARIANT the library fills: cleared, strings and all, when it goes.
class PropertyValue {
public:
    PropertyValue() { PropVariantInit(&value_); }
    PropertyValue(PropertyValue&& other) noexcept : value_(other.value_) { PropVariantInit(&other.value_); }
    PropertyValue(const PropertyValue&) = delete;
    PropertyValue& operator=(const PropertyValue&) = delete;
    ~PropertyValue() { ClearPropVariant(&value_); }

    PROPVARIANT* Out() { return &value_; }
    const PROPVARIANT* operator->() const { return &value_; }

private:
    PROPVARIANT value_;
};

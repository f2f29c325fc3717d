// SPDX-License-Identifier: GPL-3.0-or-later
#include "lib/listClss.h"

#include <stdexcept>

#include "lib/classRegistry.h"
#include "lib/infoMessage.h"

TListe::TListe() : m_head(std::make_unique<TListNode>(nullptr)), m_cursor(m_head.get()) {}

TListe::~TListe() { clear(); }

void TListe::toFirst() {
    m_cursor = m_head.get();
    m_position = 0;
}

void TListe::next() {
    if (atEnd()) return;
    m_cursor = m_cursor->next.get();
    ++m_position;
}

void TListe::toEnd() {
    while (!atEnd()) next();
}

void TListe::goTo(std::int32_t index) {
    std::int32_t steps = index;
    if (index > m_length) steps = m_length;
    if (index < 0) steps = 0;
    toFirst();
    for (std::int32_t i = 0; i < steps; ++i) next();
}

TBase* TListe::current() const { return atEnd() ? nullptr : m_cursor->next->value.get(); }

TBase* TListe::elementAt(std::int32_t index) {
    goTo(index);
    return current();
}

std::unique_ptr<TBase> TListe::insert(std::unique_ptr<TBase> value) {
    if (!value) throw std::invalid_argument("TListe: an element must be present");
    if (m_length >= kMaxLength) {
        showInfoMessage("Die Liste ist voll - maximal 65535 Elemente");
        return value;
    }
    auto node = std::make_unique<TListNode>(std::move(value));
    node->next = std::move(m_cursor->next);
    m_cursor->next = std::move(node);
    ++m_length;
    return nullptr;
}

std::unique_ptr<TBase> TListe::append(std::unique_ptr<TBase> value) {
    // Refused before the cursor moves, so that a refusal changes nothing.
    if (!value) throw std::invalid_argument("TListe: an element must be present");
    toEnd();
    return insert(std::move(value));
}

void TListe::remove() {
    if (atEnd()) return;
    std::unique_ptr<TListNode> doomed = std::move(m_cursor->next);
    m_cursor->next = std::move(doomed->next);
    --m_length;
}

void TListe::clear() {
    toFirst();
    while (m_length != 0) remove();
}

void TListe::write() {
    const std::uint16_t resumeAt = m_position;
    toFirst();
    while (!atEnd()) {
        current()->writeValue();
        next();
    }
    goTo(resumeAt);
}

void TListe::copyInto(TListe& destination) {
    const std::uint16_t resumeAt = m_position;
    toFirst();
    while (!atEnd()) {
        // A copy refused by a full destination is dropped here; the message was shown.
        [[maybe_unused]] const auto refused = destination.insert(current()->copy());
        next();
        destination.next();
    }
    goTo(resumeAt);
    destination.goTo(resumeAt);
}

std::int32_t TListe::compare(TBase* other) {
    if (!isSameClass(other)) return kCompareOtherClass;
    auto* otherList = dynamic_cast<TListe*>(other);
    if (otherList == nullptr) return kCompareOtherClass;

    toFirst();
    otherList->toFirst();
    std::int32_t result = kCompareEqual;
    while (!atEnd() && !otherList->atEnd() && result == kCompareEqual) {
        if (current()->compare(otherList->current()) != kCompareEqual) {
            result = kCompareOtherClass;
        } else {
            next();
            otherList->next();
        }
    }
    if (!atEnd() || !otherList->atEnd()) result = kCompareOtherClass;
    return result;
}

std::unique_ptr<TBase> TListe::copy() {
    auto result = std::make_unique<TListe>();
    copyInto(*result);
    return result;
}

void registerListClss() {
    TClassRegistry& registry = classRegistry();
    registry.registerClass<TListe>();
    registry.registerClass<TSortListe>();
    registry.registerClass<TSortableListe>();
}

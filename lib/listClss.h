// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "lib/baseClss.h"

// One node of a list; never handed out to users of the list. Owns its value. The list unlinks
// a node before destroying it, so destroying a node never reaches the nodes after it.
class TListNode : public TBase {
public:
    static constexpr std::string_view kClassName = "TListNode";

    explicit TListNode(std::unique_ptr<TBase> nodeValue) : value(std::move(nodeValue)) {}
    std::string_view className() const override { return kClassName; }

    std::unique_ptr<TBase> value;  // may be absent (the sentinel)
    std::unique_ptr<TListNode> next;
};

// A singly linked list of owned values with one built-in cursor, at most 65535 elements.
// The cursor stands at an element (position 0 .. length-1) or at the end (position == length).
// Elements lent out by current and elementAt stay the list's.
class TListe : public TBase {
public:
    static constexpr std::string_view kClassName = "TListe";
    static constexpr std::uint16_t kMaxLength = 65535;

    TListe();
    ~TListe() override;

    std::string_view className() const override { return kClassName; }

    bool empty() const { return m_length == 0; }
    std::uint16_t length() const { return m_length; }
    // 0-based index of the current element; equals length() at the end.
    std::uint16_t position() const { return m_position; }
    // True when there is no current element.
    bool atEnd() const { return m_cursor->next == nullptr; }

    void toFirst();
    // Steps to the following element; does nothing at the end.
    void next();
    void toEnd();
    // Moves to index clamped into 0 .. length; from length upward the cursor is at the end.
    void goTo(std::int32_t index);

    // The current element, or nullptr at the end. Moves nothing.
    TBase* current() const;
    // goTo(index), then current(); the cursor stays at that index.
    TBase* elementAt(std::int32_t index);

    // Inserts value before the current element, which it becomes; cursor and position stay.
    // A full list shows "Die Liste ist voll - maximal 65535 Elemente" and hands the value back
    // unchanged; otherwise the result is empty and the list owns the value. An absent value is
    // refused with std::invalid_argument: the list's operations rely on every element.
    [[nodiscard]] std::unique_ptr<TBase> insert(std::unique_ptr<TBase> value);
    // toEnd, then insert. An absent value is refused before the cursor moves.
    [[nodiscard]] std::unique_ptr<TBase> append(std::unique_ptr<TBase> value);
    // Removes and destroys the current element; the following one becomes current. Does
    // nothing at the end.
    void remove();
    // Removes every element; position 0.
    void clear();

    // Calls writeValue of every element, first to last, and returns to the same index.
    void write();
    // Inserts copies of all elements, in order, as one block before destination's current
    // element; destination may be this list. Both cursors end at this list's former index.
    // A copy that a full destination refuses is destroyed.
    void copyInto(TListe& destination);

    using TBase::compare;
    // 0 when other is a list of the same class with pairwise equal elements, else 2. Leaves
    // both cursors where the comparison stopped, unless the classes differ.
    std::int32_t compare(TBase* other) override;
    // A TListe, whatever the class of this list, with copies of the elements and the cursor at
    // this list's index.
    std::unique_ptr<TBase> copy() override;

private:
    std::unique_ptr<TListNode> m_head;  // sentinel; m_head->next is the first element
    TListNode* m_cursor;                // the node before the current element
    std::uint16_t m_length = 0;
    std::uint16_t m_position = 0;
};

// Lists that differ from TListe only in their class names.
class TSortListe : public TListe {
public:
    static constexpr std::string_view kClassName = "TSortListe";
    std::string_view className() const override { return kClassName; }
};

class TSortableListe : public TListe {
public:
    static constexpr std::string_view kClassName = "TSortableListe";
    std::string_view className() const override { return kClassName; }
};

// Enters TListe, TSortListe and TSortableListe in the process-wide class registry.
void registerListClss();

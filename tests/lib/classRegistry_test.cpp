// SPDX-License-Identifier: GPL-3.0-or-later
#include "lib/classRegistry.h"

#include <gtest/gtest.h>

#include "lib/errors.h"
#include "lib/libraryClasses.h"
#include "lib/listClss.h"

namespace {

std::unique_ptr<TBase> createNothing() { return nullptr; }

TEST(TClassRegistry, LibraryClassesAreRegisteredInUnitOrderOnce) {
    registerLibraryClasses();
    registerLibraryClasses();  // a second start-up pass changes nothing
    const std::vector<std::string_view> expected = {
        "TBase",   "TChar",    "TString",    "TInteger",       "TInt64",   "TByte",
        "TWord",   "TLongint", "TReal",      "TExtended",      "TBoolean", "TTColor",
        "TTBruch", "TListe",   "TSortListe", "TSortableListe", "TBinTree"};
    EXPECT_EQ(classRegistry().names(), expected);
}

TEST(TClassRegistry, FindIgnoresBit0x20AndCreatesEmptyObjects) {
    registerLibraryClasses();
    for (const char* name : {"TString", "tstring", "TSTRING", "tString"}) {
        const TClassEntry& entry = classRegistry().find(name);
        EXPECT_EQ(entry.name, "TString") << name;
    }
    std::unique_ptr<TBase> created = classRegistry().find("tsortliste").createEmpty();
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->className(), "TSortListe");
    EXPECT_TRUE(static_cast<TListe&>(*created).empty());

    std::unique_ptr<TBase> text = classRegistry().find("TString").createEmpty();
    EXPECT_EQ(static_cast<TString&>(*text).text(), "");
}

TEST(TClassRegistry, MatchingDisregardsBit0x20OfEveryByte) {
    TClassRegistry registry;
    registry.registerClass(TClassEntry{"T@1", createNothing});  // a temporary: the registry copies
    EXPECT_EQ(registry.find("t`\x11").name, "T@1");  // '@'/'`' and '1'/0x11 differ only in 0x20
    EXPECT_EQ(registry.find("T@1").createEmpty, &createNothing);
    EXPECT_THROW(registry.find("T@"), EClassNotFound);
    EXPECT_THROW(registry.find("T@12"), EClassNotFound);
}

TEST(TClassRegistry, UnknownNameRaisesClassNotFound) {
    registerLibraryClasses();
    try {
        classRegistry().find("TCode");
        FAIL() << "TCode is not registered";
    } catch (const EClassNotFound& error) {
        EXPECT_STREQ(error.what(), "Klasse TCode nicht gefunden");
    }
    EXPECT_THROW(classRegistry().find("TListNode"), EFilerError);
}

TEST(TClassRegistry, AnotherClassUnderATakenNameIsRefused) {
    TClassRegistry registry;
    registry.registerClass<TString>();
    registry.registerClass<TString>();  // the same class again: nothing changes
    const TClassEntry impostor{"tString", createNothing};
    try {
        registry.registerClass(impostor);
        FAIL() << "a second class under a matching name must be refused";
    } catch (const EFilerError& error) {
        EXPECT_STREQ(error.what(), "Klasse mit der Bezeichnung tString existiert bereits");
    }
    EXPECT_EQ(registry.names(), std::vector<std::string_view>{"TString"});
}

}  // namespace

// The message description's rules and the mailto: address, worked out by hand.
#include "MailMessage.h"
#include "MailtoAddress.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tavrix {

void PrintTo(const MailMessage& message, std::ostream* out) {
    *out << "to [" << message.to.toStdString() << "] subject [" << message.subject.toStdString() << "] body ["
         << message.body.toStdString() << "] attachments [" << message.attachments.join(", ").toStdString()
         << "]";
}

namespace {

struct DescriptionCase {
    const char* name;
    MailMessageDescription description;
    MailMessage expected;
};

TEST(MailMessageDescription, EmptyValuesAreMissingAndTheFirstMissingAttachmentEndsTheList) {
    const DescriptionCase cases[] = {
        {"all fields",
         {{"to", "ann@example.org"}, {"subject", "S"}, {"body", "B"}, {"attachment0", "/a"}},
         {"ann@example.org", "S", "B", {"/a"}}},
        {"empty values",
         {{"to", ""}, {"subject", ""}, {"body", "B"}, {"attachment0", ""}},
         {"", "", "B", {}}},
        {"nothing at all", {}, {}},
        {"numbered in any order", {{"attachment1", "/b"}, {"attachment0", "/a"}}, {"", "", "", {"/a", "/b"}}},
        {"a gap ends the list",
         {{"attachment0", "/a"}, {"attachment1", "/b"}, {"attachment3", "/d"}},
         {"", "", "", {"/a", "/b"}}},
        {"no attachment 0, none at all", {{"attachment1", "/b"}}, {}},
        {"an empty attachment ends the list",
         {{"attachment0", "/a"}, {"attachment1", ""}, {"attachment2", "/c"}},
         {"", "", "", {"/a"}}},
        {"leading zeros are other names",
         {{"attachment0", "/a"}, {"attachment01", "/b"}},
         {"", "", "", {"/a"}}},
        {"names are exact", {{"Subject", "S"}, {"attachment", "/a"}, {"body ", "B"}}, {}},
    };
    for (const DescriptionCase& test : cases)
        EXPECT_EQ(ReadMailMessageDescription(test.description), test.expected) << test.name;
}

struct AddressCase {
    MailMessage message;
    const char* expected;
};

TEST(MailtoAddress, EncodesEverythingButUnreservedCharactersAndSendsLineBreaksAsCrLf) {
    const AddressCase cases[] = {
        {{"", "TAVRIX - Results Log", "\n\n1 m = 100 cm\n", {}},
         "mailto:?subject=TAVRIX%20-%20Results%20Log&body=%0D%0A%0D%0A1%20m%20%3D%20100%20cm%0D%0A"},
        {{}, "mailto:"},
        {{"", "", "\n\n", {}}, "mailto:?body=%0D%0A%0D%0A"},
        {{"ann.lee@example.org", "", "", {}}, "mailto:ann.lee@example.org"},
        {{"a&b?c@example.org", "x", "", {}}, "mailto:a%26b%3Fc@example.org?subject=x"},
        // CR LF and a lone CR are line breaks too, never doubled.
        {{"", "", "a\r\nb\rc\n", {}}, "mailto:?body=a%0D%0Ab%0D%0Ac%0D%0A"},
        {{"", "", "C:\\calc 20 \u00B0C \u00FC", {}}, "mailto:?body=C%3A%5Ccalc%2020%20%C2%B0C%20%C3%BC"},
        {{"", "", "a?b#c&d=e+f%g;h~i_j.k-l/m'n\"o$p`q", {}},
         "mailto:?body=a%3Fb%23c%26d%3De%2Bf%25g%3Bh~i_j.k-l%2Fm%27n%22o%24p%60q"},
        // Attachments cannot travel in the address.
        {{"", "s", "", {"/tmp/a.pdf"}}, "mailto:?subject=s"},
    };
    for (const AddressCase& test : cases)
        EXPECT_EQ(MailtoAddress(test.message), test.expected) << testing::PrintToString(test.message);
}

} // namespace
} // namespace tavrix

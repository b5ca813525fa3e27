// Every message the program can show the person, as the manual's "Messages
// and what they mean" page names it: `*` stands for what changes from one
// showing to the next (a file, a unit, a reason), and a trailing " *" for
// advice that follows the message. The manual explains each under its
// anchor, and the tests' scripted desktop refuses any box whose text is not
// one of these, so a new message cannot be left out of the manual.
#pragma once

#include <QString>

#include <array>

namespace tavrix {

struct ProgramMessage {
    QString anchor;
    QString text;
};

inline const std::array ProgramMessages{
    ProgramMessage{"not-valid", R"(The "*" value is not a valid.)"},
    ProgramMessage{"input-range", "Input range -1.0 to +1.0"},
    ProgramMessage{"tangent", "Error"},
    ProgramMessage{"pre-decimal", "Maximum number of pre-decimal digits reached. *"},
    ProgramMessage{"post-decimal", "Maximum number of post-decimal digits reached. *"},
    ProgramMessage{"separator",
                   R"("*" is not a number here: numbers are written with "*" as the decimal separator and )"
                   "without thousands separators."},
    ProgramMessage{"compound-value", R"("*" is not a value in *: it is written as, for example, "*".)"},
    ProgramMessage{"colon-form",
                   R"("*" is not a value in *: in the colon form it is written as, for example, )"
                   R"("2:15" for 2 and 15/60.)"},
    ProgramMessage{"part-category",
                   R"("*" is a unit of *, not of *: all parts of a value are of one quantity.)"},
    ProgramMessage{"not-a-part", R"("*" is not one of the parts of * (*).)"},
    ProgramMessage{"negative-part", R"("*": no part of a value can be negative.)"},
    ProgramMessage{"past-59", R"("*" is too many minutes or seconds: in the colon form they go up to 59.)"},
    ProgramMessage{"part-twice", R"("*" comes twice: each part of a value is written once.)"},
    ProgramMessage{"colon-parts", R"("*" has too many parts: the colon form has at most three.)"},
    ProgramMessage{"too-many-parts", R"("*" has more parts than * (*).)"},
    ProgramMessage{"colon-decimals", R"("*": in the colon form only the last part may have decimals.)"},
    ProgramMessage{"part-digits", R"("*" has a part with too many digits (at most * before the decimal )"
                                  "separator and * after it)."},
    ProgramMessage{"circle-fraction", "Do you wish to use a value equal to a *?"},
    ProgramMessage{"division-by-zero", "Floating point division by zero"},
    ProgramMessage{"routine", "Conversions failed : routine does not exist"},
    ProgramMessage{"square-root", "A negative number does not have a square root."},
    ProgramMessage{"too-large",
                   "The result is too large for the calculator. The calculation was not carried out."},
    ProgramMessage{"memory", R"(The calculator memory could not be saved to "*": *.)"},
    ProgramMessage{"memory-unreadable",
                   R"(The calculator memory could not be read from "*": *. The memory starts at 0.)"},
    ProgramMessage{"memory-damaged",
                   R"(The calculator memory file "*" is damaged: *. The memory starts at 0.)"},
    ProgramMessage{"clear", "Are your sure you wish to clear the results log?"},
    ProgramMessage{"cannot-read", R"(Cannot read the results log file "*": *)"},
    ProgramMessage{"cannot-save", R"(Cannot save the results log file "*": *)"},
    ProgramMessage{"print-file", R"(Printing failed: cannot write the file "*".)"},
    ProgramMessage{"print-file-reason", R"(Printing failed: cannot write the file "*": *.)"},
    ProgramMessage{"print-printer", R"(Printing failed: the printer "*" did not accept the job.)"},
    ProgramMessage{"mail", "Error while trying to send email"},
    ProgramMessage{"mail-too-long",
                   "The results log is too long to hand to the mail client: as the mail client would "
                   "receive it, it takes * bytes, and at most * bytes fit. *"},
    ProgramMessage{"browser", "Cannot find web browser to view *"},
    ProgramMessage{"pdf", "Cannot find acrobat PDF reader to view TavrixBrandedVersion.pdf"},
};

} // namespace tavrix

#pragma once
// The modem page as a profile and back: filling the fields a profile names
// (nothing is sent), and taking the page's fields into a profile when Set
// could write them.

#include "core/profiles/Profile.h"

#include <optional>

namespace zomar {

struct FormContext;
class FieldEntry;

namespace PageProfile {

// Writes the fields the profile names into the page; the others keep their
// text. The band is set without a read. A band named without a channel keeps
// the channel the page shows, shown for the new band.
void fill(FormContext &ctx, FieldEntry &fields, const Profile &profile);

struct FromPage {
    std::optional<Profile> profile; // every block field, and the band when one is selected
    QString problem;                // else: why not, for a message box
};
// Refused while a field shows "??", holds a value Set would refuse, or holds
// a TX power or RF speed text that is none of the table's (Set would write
// another value than the page shows).
FromPage read(const FormContext &ctx);

} // namespace PageProfile

} // namespace zomar

// LinkedMembers: checks that a library defines the members declared for it in a header of a
// library below it (model/IndividualTaxData.h, model/FamilyTaxData.h, ui/Form_Return.h).
#pragma once

// Takes the member's address through a volatile copy, so the test binary refers to its
// definition however the build optimises: a definition that goes missing fails the link of
// the test that names the member, instead of the program's link or a later caller's. True
// for every member that links.
template <typename Member> bool isDefined(Member member)
{
    volatile Member held = member;
    const Member address = held;
    return address != nullptr;
}

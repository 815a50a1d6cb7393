// DataPpgSignupEmail: the answer of the online-mail sign-up page before a NETFILE filing.
#pragma once

#include "ordane/CIntField.h"
#include "ordane/CWSBaseData.h"

class DataPpgSignupEmail : public CWSBaseData
{
public:
    // The choices the page offers; NoChoice until the user picks one.
    enum Choice
    {
        NoChoice = -1,
        SignUp = 0, // "Yes, sign me up! ..."
        NotNow = 1  // "No. I'm not ready to go paperless, or I have already signed up."
    };

    CIntField fld_signup{this, "signup", NoChoice};
};

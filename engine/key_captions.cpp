// The operation keys' captions, for the panel that shows the last operation.
#include "key_captions.h"

#include "control_ids.h"

const char* KeyCaption(int id)
{
    static const char* const kArithmetic[] = {"/", "*", "-", "+", "%", "=", "sqrt", "1/x"};
    static const char* const kFunctions[] = {"ln",  "log", "exp", "10^x", "x^y",  "x^3", "x^2",
                                             "sin", "cos", "tan", "asin", "acos", "atan"};
    if (id >= IDC_KEY_DIVIDE && id <= IDC_KEY_RECIPROCAL)
        return kArithmetic[id - IDC_KEY_DIVIDE];
    if (id >= IDC_KEY_LN && id <= IDC_KEY_ATAN)
        return kFunctions[id - IDC_KEY_LN];
    return nullptr;
}

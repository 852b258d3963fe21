#pragma once

// The caption of an operation key that can be the last operation (the arithmetic and
// function keys), as the dialog templates give it, or nullptr for any other id. The captions
// are fixed and the same in every template of both editions.
const char* KeyCaption(int id);

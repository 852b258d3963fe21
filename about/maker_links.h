#pragma once

// The maker's addresses, kept once: every caller of ShowAboutWindow passes these. The mail
// link opens a new message to the maker with the product as its subject.
#define TALLYRA_MAKER_MAIL_ADDRESS "tallyra@brimwold.example"

constexpr const char kMakerMailLink[] = "mailto:" TALLYRA_MAKER_MAIL_ADDRESS "?subject=Tallyra";
constexpr const char kMakerWebAddress[] = "https://www.brimwold.example/tallyra";

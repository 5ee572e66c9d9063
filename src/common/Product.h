// Fixed texts of the product that several files and windows share.
#pragma once

namespace product {

inline constexpr char kSiteAddress[] = "https://www.solanthra.example";
inline constexpr char kSiteHost[] = "www.solanthra.example";
inline constexpr char kContactEmail[] = "author@solanthra.example";

// Title of every message box but the fatal start-up one.
inline constexpr char kMessageTitle[] = "Solanthra v1.1a";

}  // namespace product

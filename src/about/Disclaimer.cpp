#include "about/Disclaimer.h"

#include "common/Product.h"

const std::string& disclaimerText() {
    static const std::string text =
        std::string(
            "THIS SOFTWARE IS PROVIDED AS IS WITHOUT WARRANTY OF ANY KIND, WHETHER EXPRESS OR "
            "IMPLIED, INCLUDING WARRANTIES OF MERCHANTABILITY AND FITNESS FOR A PARTICULAR "
            "PURPOSE WHICH ARE HEREBY DISCLAIMED. IN NO EVENT WILL THE AUTHOR BE LIABLE FOR ANY "
            "SPECIAL, INCIDENTAL, OR CONSEQUENTIAL DAMAGES RESULTING FROM POSSESSION, USE, OR "
            "MALFUNCTION OF THIS SOFTWARE PRODUCT."
            "\t\t\t\t\t\t\t        "
            "If you plan to put this program on your web page or a CD-ROM of any sort, please "
            "let me know via email, I'm curious to see where it ends up :)"
            "\t\t\t\t\t\t\t") +
        product::kContactEmail;
    return text;
}

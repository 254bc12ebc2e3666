#include "catalogue/BankFacts.h"

#include "catalogue/BankNames.h"

namespace klarvon {

const TBankFacts& StockBankFacts() {
    static const TBankFacts facts = [] {
        TBankFacts stock;
        stock.Banks.reserve(StockBankCount);
        for (int bank = 0; bank < StockBankCount; ++bank) {
            stock.Banks.push_back({StockBankName(bank)->StockBytes, std::nullopt});
        }
        return stock;
    }();
    return facts;
}

} // namespace klarvon

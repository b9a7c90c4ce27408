#pragma once

#include <QList>
#include <QString>

// One way to send a donation: a chain family and the address that receives on it.
struct DonationNetwork
{
    QString id;       // stable key: "evm", "tron", "solana", "ton", "btc"
    QString title;    // the picker's caption
    QString networks; // the chains the address receives on
    QString coins;    // what may be sent
    QString address;  // the receiving wallet; empty when the build supplies none

    // The five networks in the picker's order. Their addresses are the maker's
    // and come with the build.
    static QList<DonationNetwork> all();
    // Those of `networks` that have an address, in their order.
    static QList<DonationNetwork> withAddress(QList<DonationNetwork> networks);
    // Whether the build can take a donation at all.
    static bool anyAddress() { return !withAddress(all()).isEmpty(); }

    friend bool operator==(const DonationNetwork &, const DonationNetwork &) = default;
};

size_t qHash(const DonationNetwork &network, size_t seed = 0);

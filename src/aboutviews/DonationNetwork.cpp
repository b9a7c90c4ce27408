#include "aboutviews/DonationNetwork.h"

#include <QHashFunctions>

QList<DonationNetwork> DonationNetwork::all()
{
    // Names of chains and coins are shown as they are, untranslated.
    return {
        {QStringLiteral("evm"), QStringLiteral("Ethereum & EVM"),
         QStringLiteral("Ethereum, Arbitrum, BNB Chain"), QStringLiteral("USDT, USDC, ETH, BNB"),
         QStringLiteral(TAMSEL_DONATION_EVM)},
        {QStringLiteral("tron"), QStringLiteral("Tron"), QStringLiteral("Tron (TRC-20)"),
         QStringLiteral("USDT, TRX"), QStringLiteral(TAMSEL_DONATION_TRON)},
        {QStringLiteral("solana"), QStringLiteral("Solana"), QStringLiteral("Solana"),
         QStringLiteral("USDT, USDC, SOL"), QStringLiteral(TAMSEL_DONATION_SOLANA)},
        {QStringLiteral("ton"), QStringLiteral("TON"), QStringLiteral("TON"),
         QStringLiteral("USDT, TON"), QStringLiteral(TAMSEL_DONATION_TON)},
        {QStringLiteral("btc"), QStringLiteral("Bitcoin"), QStringLiteral("Bitcoin"),
         QStringLiteral("BTC"), QStringLiteral(TAMSEL_DONATION_BTC)},
    };
}

QList<DonationNetwork> DonationNetwork::withAddress(QList<DonationNetwork> networks)
{
    networks.removeIf([](const DonationNetwork &network) { return network.address.isEmpty(); });
    return networks;
}

size_t qHash(const DonationNetwork &network, size_t seed)
{
    return qHashMulti(seed, network.id, network.title, network.networks, network.coins,
                      network.address);
}

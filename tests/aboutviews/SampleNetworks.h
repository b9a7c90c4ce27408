#pragma once

#include "aboutviews/DonationNetwork.h"

// The build's networks with addresses shaped like the real ones, each a
// different length, and one left without; nobody's wallets.
inline QList<DonationNetwork> sampleNetworks()
{
    QList<DonationNetwork> networks = DonationNetwork::all();
    networks[0].address = QStringLiteral("0x52908400098527886E0F7030069857D2E4169EE7");
    networks[1].address = QStringLiteral("TQn9Y2khEsLJW1ChVWFMSMeRDow5KcbLSE");
    networks[2].address = QString(); // this build has none for it
    networks[3].address = QStringLiteral("UQ") + QString(46, QLatin1Char('A'));
    networks[4].address =
        QStringLiteral("bc1q") + QString(56, QLatin1Char('q')); // 60: shown on two lines
    return networks;
}

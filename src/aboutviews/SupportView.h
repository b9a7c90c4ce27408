#pragma once

#include "aboutviews/DonationNetwork.h"

#include <QDialog>

class AppModel;
class QLabel;
class QPushButton;
class QWidget;
class ThemeButton;

namespace AboutWidgets {
class SegmentedPicker;
}

// Asks for a voluntary donation: the networks side by side, and for the chosen
// one its address as text and QR code with a copy button. It sends, checks and
// stores nothing. Opened window-modal with open(); closes itself on its button,
// Return and Escape. Every opening starts on the first network.
class SupportView : public QDialog
{
    Q_OBJECT

public:
    // `afterResult`: the variant offered after the user's first result, which
    // asks rather than thanks.
    SupportView(AppModel *model, bool afterResult, QWidget *parent = nullptr);
    // The same over other networks than the build's. Networks without an
    // address are left out; with none left, the panel only says where the
    // developer's addresses are.
    SupportView(AppModel *model, bool afterResult, QList<DonationNetwork> networks,
                QWidget *parent = nullptr);

    // The address as shown: from 53 characters on, split onto two lines, the
    // first line taking the extra character of an odd length.
    static QString displayed(const QString &address);

    // The network shown; only while there is one.
    const DonationNetwork &network() const { return m_networks.at(m_current); }
    const QList<DonationNetwork> &networks() const { return m_networks; }

private:
    void showNetwork(int index);
    void copyAddress();
    void updateCopyButton();

    AppModel *m_model;
    const QList<DonationNetwork> m_networks;
    int m_current = 0;
    bool m_copied = false;
    AboutWidgets::SegmentedPicker *m_picker;
    QWidget *m_code;
    QLabel *m_networksValue;
    QLabel *m_coinsValue;
    QLabel *m_address;
    QLabel *m_missingAddress;
    ThemeButton *m_copyButton;
    QPushButton *m_closeButton;
};

#include "frmAbout.h"

#include "Costanti.h"
#include "Versione.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

static void InizializzaRisorse()
{
    Q_INIT_RESOURCE(about);
}

QString TestoVersione(int maggiore, int minore, int revisione)
{
    return QStringLiteral("Versione %1.%2.%3").arg(maggiore).arg(minore).arg(revisione);
}

QIcon IconaApplicazione()
{
    InizializzaRisorse();
    QIcon icona;
    for (int lato : {16, 32, 64})
        icona.addFile(QStringLiteral(":/curvello/icona%1.png").arg(lato), QSize(lato, lato));
    return icona;
}

frmAbout::frmAbout(QWidget* proprietario)
    : QDialog(proprietario, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                                | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    InizializzaRisorse();
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Informazioni su Progetto1"));
    setModal(true);

    QFont arial = font();
    arial.setFamily(QStringLiteral("Arial"));
    QFont titolo = arial;
    titolo.setPointSizeF(arial.pointSizeF() * 1.6);
    titolo.setBold(true);
    QFont ditta = arial;
    ditta.setBold(true);

    auto etichetta = [this, &arial](const char* nome, const QString& testo) {
        auto* l = new QLabel(testo, this);
        l->setObjectName(QString::fromLatin1(nome));
        l->setFont(arial);
        return l;
    };
    PicIcon = etichetta("PicIcon", QString());
    PicIcon->setPixmap(IconaApplicazione().pixmap(32, 32));
    Picture1 = etichetta("Picture1", QString());
    Picture1->setPixmap(QPixmap(QStringLiteral(":/curvello/logo.png")));
    Picture1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    lblTitle = etichetta("lblTitle", QString());
    lblTitle->setFont(titolo);
    lblVersion = etichetta("lblVersion", QString());
    lblDescription = etichetta("lblDescription",
                               QStringLiteral("Software ideato da Brivona, per qualsiasi informazione "
                                              "sui nostri prodotti contattate:"));
    lblDescription->setWordWrap(true);
    lblDescription->setMinimumWidth(lblDescription->fontMetrics().averageCharWidth() * 40);
    Label3 = etichetta("Label3", QStringLiteral("Brivona"));
    Label3->setFont(ditta);
    Label1 = etichetta("Label1", QStringLiteral("Fax: non disponibile"));
    Label2 = etichetta("Label2", QStringLiteral("E-mail: non disponibile"));
    Label4 = etichetta("Label4", QStringLiteral("Web: non disponibile"));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    auto* linea = new QFrame(this);
    linea->setFrameShape(QFrame::HLine);
    linea->setFrameShadow(QFrame::Sunken);

    auto* griglia = new QGridLayout(this);
    griglia->setSizeConstraint(QLayout::SetFixedSize);
    griglia->setHorizontalSpacing(fontMetrics().averageCharWidth() * 2);
    griglia->addWidget(PicIcon, 0, 0, 2, 1, Qt::AlignTop | Qt::AlignHCenter);
    griglia->addWidget(lblTitle, 0, 1);
    griglia->addWidget(lblVersion, 1, 1);
    griglia->addWidget(linea, 2, 0, 1, 2);
    griglia->addWidget(Picture1, 3, 0, 5, 1);
    griglia->addWidget(lblDescription, 3, 1);
    griglia->addWidget(Label3, 4, 1);
    griglia->addWidget(Label1, 5, 1);
    griglia->addWidget(Label2, 6, 1);
    griglia->addWidget(Label4, 7, 1);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    pulsanti->addWidget(cmdOK);
    griglia->addLayout(pulsanti, 8, 0, 1, 2);

    Form_Load();
}

void frmAbout::Form_Load()
{
    lblVersion->setText(TestoVersione(VersioneMaggiore, VersioneMinore, VersioneRevisione));
    lblTitle->setText(QString::fromUtf8(TitoloApplicazione));
}

void frmAbout::cmdOK_Click()
{
    accept();
}

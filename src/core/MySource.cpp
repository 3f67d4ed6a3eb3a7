#include "MySource.h"

#include <stdexcept>

namespace {
constexpr double EsempioX[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr double EsempioY[] = {5, 3, 4, 5, 7, 9, 12, 7, 6};
}

const MySource::Coppia& MySource::coppia(int32_t posizione) const
{
    if (posizione < 0 || posizione >= Capacita)
        throw std::out_of_range("MySource: indice fuori intervallo");
    return coppie_[static_cast<size_t>(posizione)];
}

double MySource::X(int32_t Posizione) const { return coppia(Posizione).x; }
double MySource::Y(int32_t Posizione) const { return coppia(Posizione).y; }

void MySource::RiempiEsempio()
{
    for (size_t i = 0; i < std::size(EsempioX); ++i)
        coppie_[i] = {EsempioX[i], EsempioY[i]};
    conteggio_ = static_cast<int32_t>(std::size(EsempioX));
}

void MySource::Add(const double& ValX, const double& ValY)
{
    if (conteggio_ >= Capacita)
        throw std::length_error("MySource: tutte le 301 coppie sono in uso");
    coppie_[static_cast<size_t>(conteggio_)] = {ValX, ValY};
    ++conteggio_;
}

void MySource::Vuota()
{
    for (int32_t i = 0; i < conteggio_; ++i)
        coppie_[static_cast<size_t>(i)] = {};
    conteggio_ = 0;
}

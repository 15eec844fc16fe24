#pragma once
// The printouts of the fee reports, drawn from their figures on the shared
// list report (templates/ListReport.h): 38 rows a page, continued on further
// pages, every cell fitted to its box.

#include "fees/FeeStatistics.h"
#include "fees/ReceivablesReport.h"
#include "fees/VacantRoomFees.h"

#include <QDate>

namespace report { class PageWriter; }

namespace fees {

// What heads every page: the company and the day of printing.
struct PageHead {
    QString company;
    QDate printed;
};

// Due ("未收取") or collected rows.
enum class ReceivableKind { Due, Collected };

// One item per household: the district's name, then each household's sums.
void drawHouseholdReport(report::PageWriter& w, const PageHead& head, ReceivableKind kind, const QString& itemName,
                         const QString& regionName, const std::vector<HouseholdSum>& rows);
// Every item for a building, or for all buildings when building is empty.
void drawItemReport(report::PageWriter& w, const PageHead& head, const QString& regionName,
                    const std::optional<QString>& building, const std::vector<ItemSum>& items);

// The month's collection per item, and its amounts per item with a total.
void drawCollectionStatistics(report::PageWriter& w, const PageHead& head, int year, int month,
                              const std::vector<ItemStatistics>& items);
void drawMonthlySummary(report::PageWriter& w, const PageHead& head, int year, int month,
                        const std::vector<ItemStatistics>& items);

// The vacant rooms, and per building the rooms occupied and vacant.
void drawVacantRooms(report::PageWriter& w, const PageHead& head, const std::vector<RoomLine>& rooms);
void drawOccupancy(report::PageWriter& w, const PageHead& head, const QString& regionName,
                   const std::vector<BuildingOccupancy>& buildings);

// Every vacant room with its management fee.
void drawVacantRoomFees(report::PageWriter& w, const PageHead& head, const std::vector<VacantRoomFee>& rooms);

}  // namespace fees

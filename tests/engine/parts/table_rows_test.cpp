// The family and pin tables are written as constant rows and made into the PartFamily and
// SerialPins the engine works with: every field a row sets reaches them, for rows that set the
// fields few rows have (the PLL's inputs and outputs, the PIC32 bus, pin select, the TX pin's
// direction). The values are the rows' own, each from the datasheet its row cites.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/parts/bring_up_data.h"
#include "engine/parts/part_data.h"

namespace brg::engine {
namespace {

TEST(TableRows, AFamilysClockReachesItsPartFamily) {
  // 16F1829: 32 MHz, HS to 20 MHz, HFINTOSC 16 MHz and down, a 4x PLL for 4 to 8 MHz inputs
  // and for the 8 MHz internal one.
  const PartFamily* mid = FamilyOf("PIC16F1829");
  ASSERT_NE(mid, nullptr);
  EXPECT_EQ(mid->name, "PIC12F/16F1xxx enhanced mid-range");
  EXPECT_EQ(mid->clock.maxOscMHz, 32);
  EXPECT_EQ(mid->clock.maxCrystalMHz, 20);
  EXPECT_EQ(mid->clock.internal.front(), 16);
  EXPECT_EQ(mid->clock.internal.size(), 10U);
  EXPECT_EQ(mid->clock.pllFactors, std::vector<double>{4});
  EXPECT_EQ(mid->clock.pllMinInMHz, 4);
  EXPECT_EQ(mid->clock.pllMaxInMHz, 8);
  EXPECT_EQ(mid->clock.internalPll, std::vector<double>{8});
  EXPECT_EQ(mid->kind, PortKind::FromHeader);

  // 18F4550: the 96 MHz USB PLL's system clocks from a 4-24 MHz crystal.
  const PartFamily* usb = FamilyOf("18F4550");
  ASSERT_NE(usb, nullptr);
  EXPECT_EQ(usb->clock.pllOutputs, (std::vector<double>{48, 32, 24, 16}));
  EXPECT_EQ(usb->clock.pllOutputsFrom, "4-24 MHz crystal");
  EXPECT_FALSE(usb->clock.pllOutputsInternal);
  EXPECT_NE(usb->source.find("DS39632"), std::string::npos);

  // PIC32MK: six UARTs on PBCLK2, which PB2DIV halves after reset; the FRC's PLL outputs.
  const PartFamily* mk = FamilyOf("32MK1024GPD064");
  ASSERT_NE(mk, nullptr);
  EXPECT_EQ(mk->kind, PortKind::Pic32Uart);
  EXPECT_EQ(mk->ports, 6);
  EXPECT_EQ(mk->bus, "PBCLK2");
  EXPECT_EQ(mk->pbdiv, 2);
  EXPECT_EQ(mk->busNote, "PBCLK2 = SYSCLK / PB2DIV, which divides by 2 after reset");
  EXPECT_EQ(mk->clock.pllOutputs, (std::vector<double>{120, 100}));
  EXPECT_EQ(mk->clock.pllOutputsFrom, "FRC with PLL");
  EXPECT_TRUE(mk->clock.pllOutputsInternal);
  EXPECT_EQ(mk->members.size(), 12U);
  EXPECT_EQ(mk->patterns, (std::vector<std::string>{"32MK*GPD*", "32MK*GPE*", "32MK*MCF*"}));
}

TEST(TableRows, APinRowReachesItsSerialPins) {
  // 16F1829: fixed pins, RB7 and RB5.
  std::optional<SerialPins> fixed = SerialPinsOf("16F1829", 1);
  ASSERT_TRUE(fixed.has_value());
  EXPECT_EQ(fixed->tx.port, 'B');
  EXPECT_EQ(fixed->tx.bit, 7);
  EXPECT_EQ(fixed->rx.port, 'B');
  EXPECT_EQ(fixed->rx.bit, 5);
  EXPECT_FALSE(fixed->txPpsCode.has_value());

  // 16F1705: TX/CK output code 0x14, RXPPS selecting RC5 at reset.
  std::optional<SerialPins> pps = SerialPinsOf("16F1705", 1);
  ASSERT_TRUE(pps.has_value());
  EXPECT_EQ(pps->txPpsCode, 0x14);
  EXPECT_EQ(pps->rxPpsRegister, "RXPPS");
  ASSERT_TRUE(pps->rxAtReset.has_value());
  EXPECT_EQ(pps->rxAtReset->port, 'C');
  EXPECT_EQ(pps->rxAtReset->bit, 5);

  // 18F47Q43: UART1 TX 0x20, driven only where its TRIS bit is cleared; analog ports A to F.
  std::optional<SerialPins> q43 = SerialPinsOf("PIC18F47Q43", 1);
  ASSERT_TRUE(q43.has_value());
  EXPECT_EQ(q43->txPpsCode, 0x20);
  EXPECT_EQ(q43->rxPpsRegister, "U1RXPPS");
  EXPECT_EQ(q43->analogPorts, "ABCDF");
  EXPECT_TRUE(q43->txMustBeOutput);
  EXPECT_EQ(q43->selection, PinSelection::PortPins);

  // PIC24FJ64GA002, its second UART: output function 5, U2RXR in RPINR19, 31 ties it to Vss.
  std::optional<SerialPins> pic24 = SerialPinsOf("PIC24FJ64GA002", 2);
  ASSERT_TRUE(pic24.has_value());
  EXPECT_EQ(pic24->port, 2);
  EXPECT_EQ(pic24->txPpsCode, 5);
  EXPECT_EQ(pic24->rxPpsRegister, "RPINR19");
  EXPECT_EQ(pic24->selection, PinSelection::RemappablePins);
  EXPECT_EQ(pic24->rxPpsField, "U2RXR");
  EXPECT_EQ(pic24->rxTiedToVss, 31);
  EXPECT_NE(pic24->source.find("DS39881"), std::string::npos);

  // PIC32MX: RPxnR output registers; a part of no row has no pins.
  std::optional<SerialPins> pic32 = SerialPinsOf("32MX250F128B", 1);
  ASSERT_TRUE(pic32.has_value());
  EXPECT_EQ(pic32->selection, PinSelection::Pic32Pins);
  EXPECT_FALSE(pic32->rxTiedToVss.has_value());
  EXPECT_FALSE(SerialPinsOf("16F1829", 2).has_value());
}

}  // namespace
}  // namespace brg::engine

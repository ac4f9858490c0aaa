/**
  @Generated PIC10 / PIC12 / PIC16 / PIC18 MCUs Header File

  @Company:
    Microchip Technology Inc.

  @File Name:
    mcc.h

  @Description:
        Device            :  PIC18F45K22
        Driver Version    :  2.00
*/

#ifndef MCC_H
#define	MCC_H
#include <xc.h>
#include <stdint.h>
#include <stdbool.h>
#include <conio.h>

#define _XTAL_FREQ  64000000

/**
 * @Param
    none
 * @Returns
    none
 * @Description
    Initializes the device to the default states configured in the
 *                  MCC GUI
 */
void SYSTEM_Initialize(void);
void OSCILLATOR_Initialize(void);
void PIN_MANAGER_Initialize(void);
void EUSART1_Initialize(void);
bool EUSART1_is_rx_ready(void);
uint8_t EUSART1_Read(void);
void EUSART1_Write(uint8_t txData);

#endif	/* MCC_H */
/**
 End of File
*/

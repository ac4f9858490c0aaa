/**
  @Generated PIC10 / PIC12 / PIC16 / PIC18 MCUs Header File

  @Company:
    Microchip Technology Inc.

  @File Name:
    mcc.h

  @Summary:
    This is the mcc.h file generated using PIC10 / PIC12 / PIC16 / PIC18 MCUs
*/

#ifndef MCC_H
#define	MCC_H
#include <xc.h>
#include <stdint.h>
#include <stdbool.h>
#include <conio.h>

#define _XTAL_FREQ 64000000

void SYSTEM_Initialize(void);
void OSCILLATOR_Initialize(void);
void PMD_Initialize(void);
void PIN_MANAGER_Initialize(void);
void UART1_Initialize(void);
bool UART1_is_rx_ready(void);
uint8_t UART1_Read(void);
void UART1_Write(uint8_t txData);

#endif	/* MCC_H */
/**
 End of File
*/

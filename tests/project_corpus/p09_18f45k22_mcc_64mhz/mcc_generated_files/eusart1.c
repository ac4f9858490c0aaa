/**
  EUSART1 Generated Driver File

  Company:
    Microchip Technology Inc.

  File Name:
    eusart1.c

  Description:
        Device            :  PIC18F45K22
        Driver Version    :  2.1.0
*/

#include "mcc.h"

void EUSART1_Initialize(void)
{
    // Set the EUSART1 module to the options selected in the user interface.

    // ABDOVF no_overflow; CKTXP async_noninverted_sync_fallingedge; BRG16 16bit_generator; WUE disabled; ABDEN disabled; DTRXP not_inverted; 
    BAUDCON1 = 0x08;

    // SPEN enabled; RX9 8-bit; CREN enabled; ADDEN disabled; SREN disabled; 
    RCSTA1 = 0x90;

    // TX9 8-bit; TX9D 0; SENDB sync_break_complete; TXEN enabled; SYNC asynchronous; BRGH hi_speed; CSRC slave; 
    TXSTA1 = 0x24;

    // SPBRG1 138; 
    SPBRG1 = 0x8A;

    // SPBRGH1 0; 
    SPBRGH1 = 0x00;
}

bool EUSART1_is_rx_ready(void)
{
    return (bool)(PIR1bits.RC1IF);
}

uint8_t EUSART1_Read(void)
{
    while(!PIR1bits.RC1IF)
    {
    }

    if(1 == RCSTA1bits.OERR)
    {
        // EUSART1 error - restart
        RCSTA1bits.CREN = 0;
        RCSTA1bits.CREN = 1;
    }

    return RCREG1;
}

void EUSART1_Write(uint8_t txData)
{
    while(0 == PIR1bits.TX1IF)
    {
    }

    TXREG1 = txData;    // Write the data byte to the USART.
}
/**
  End of File
*/

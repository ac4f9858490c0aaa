/**
  Generated Main Source File

  Company:
    Microchip Technology Inc.

  File Name:
    main.c

  Summary:
    This is the main file generated using PIC10 / PIC12 / PIC16 / PIC18 MCUs

  Description:
    Curiosity Nano UART bridge: echoes UART1 at 115200.
*/

#include "mcc_generated_files/mcc.h"

/*
                         Main application
 */
void main(void)
{
    // Initialize the device
    SYSTEM_Initialize();

    while (1)
    {
        if(UART1_is_rx_ready())
        {
            UART1_Write(UART1_Read());
        }
    }
}
/**
 End of File
*/

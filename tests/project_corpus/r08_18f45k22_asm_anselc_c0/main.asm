; PIC18F45K22 serial echo on EUSART1 (RC6/RC7), internal oscillator
        list    p=18f45k22
        #include <p18f45k22.inc>
        #include "uart.inc"

        CONFIG  FOSC = INTIO67
        CONFIG  PLLCFG = OFF
        CONFIG  PRICLKEN = ON
        CONFIG  FCMEN = OFF
        CONFIG  IESO = OFF
        CONFIG  PWRTEN = ON
        CONFIG  BOREN = OFF
        CONFIG  WDTEN = OFF
        CONFIG  PBADEN = OFF
        CONFIG  MCLRE = EXTMCLR
        CONFIG  STVREN = ON
        CONFIG  LVP = OFF
        CONFIG  XINST = OFF

        org     0x0000
        goto    start

        org     0x0020
start:
        movlw   b'01110010'     ; IRCF = 111, SCS = 10
        movwf   OSCCON, ACCESS
        call    uart_init
loop:
        call    uart_getc
        call    uart_putc
        bra     loop

        #include "uart.asm"

        end

; gpasm -p 16f88 uart.asm
        processor 16f88
        include "p16f88.inc"

        __config _CONFIG1, _INTRC_IO & _WDT_OFF & _LVP_OFF & _MCLR_ON

setup_uart:
        banksel OSCCON
        movlw   0x62            ; internal oscillator, 4 MHz
        movwf   OSCCON
        movlw   0x19            ; 9600 bps
        movwf   SPBRG
        bsf     TXSTA, BRGH
        bcf     TXSTA, SYNC
        bsf     TXSTA, TXEN
        banksel RCSTA
        bsf     RCSTA, SPEN
        bsf     RCSTA, CREN
        return

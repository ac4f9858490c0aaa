        list    p=16f873a, r=dec
        include <p16f873a.inc>

SPBRG_VAL   equ 64              ; 9600 bps with BRGH=1
TX_CFG      equ 0x24            ; TXEN | BRGH
RX_CFG      equ 0x90            ; SPEN | CREN

init_usart
        banksel SPBRG
        movlw   SPBRG_VAL
        movwf   SPBRG
        movlw   TX_CFG
        movwf   TXSTA
        banksel RCSTA
        movlw   RX_CFG
        movwf   RCSTA
        return
